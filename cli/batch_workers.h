// The threads of a batch: the calling thread and n - 1 more share out the indices of each round
// of work, taking the next free one as they finish one, until all are done.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tarelvo {

class Cuadrilla {
public:
    explicit Cuadrilla(int hilos);
    ~Cuadrilla();
    Cuadrilla(const Cuadrilla&) = delete;
    Cuadrilla& operator=(const Cuadrilla&) = delete;

    // Runs tarea(i) for every i below n and returns when all have run. The task must not throw.
    void Reparte(std::size_t n, const std::function<void(std::size_t)>& tarea);

private:
    void Trabaja();
    void TomaIndices();

    std::vector<std::thread> hilos_;
    std::mutex m_;
    std::condition_variable hayRonda_, rondaHecha_;
    const std::function<void(std::size_t)>* tarea_ = nullptr;
    std::size_t n_ = 0;
    std::atomic<std::size_t> siguiente_{0};
    std::size_t ronda_ = 0;     // rounds begun
    int ocupados_ = 0;          // threads still in the current round
    bool fin_ = false;
};

}  // namespace tarelvo
