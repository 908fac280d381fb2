#include "cli/batch_workers.h"

namespace tarelvo {

Cuadrilla::Cuadrilla(int hilos) {
    for (int i = 1; i < hilos; ++i) hilos_.emplace_back([this] { Trabaja(); });
}

Cuadrilla::~Cuadrilla() {
    {
        std::lock_guard<std::mutex> l(m_);
        fin_ = true;
    }
    hayRonda_.notify_all();
    for (std::thread& h : hilos_) h.join();
}

void Cuadrilla::TomaIndices() {
    for (std::size_t i; (i = siguiente_.fetch_add(1, std::memory_order_relaxed)) < n_;)
        (*tarea_)(i);
}

void Cuadrilla::Trabaja() {
    std::size_t vista = 0;
    while (true) {
        {
            std::unique_lock<std::mutex> l(m_);
            hayRonda_.wait(l, [&] { return fin_ || ronda_ != vista; });
            if (fin_) return;
            vista = ronda_;
        }
        TomaIndices();
        {
            std::lock_guard<std::mutex> l(m_);
            --ocupados_;
        }
        rondaHecha_.notify_one();
    }
}

void Cuadrilla::Reparte(std::size_t n, const std::function<void(std::size_t)>& tarea) {
    {
        std::lock_guard<std::mutex> l(m_);
        tarea_ = &tarea;
        n_ = n;
        siguiente_.store(0, std::memory_order_relaxed);
        ocupados_ = static_cast<int>(hilos_.size());
        ++ronda_;
    }
    hayRonda_.notify_all();
    TomaIndices();
    std::unique_lock<std::mutex> l(m_);
    rondaHecha_.wait(l, [&] { return ocupados_ == 0; });
}

}  // namespace tarelvo
