// Speed of tarelvo-calc --batch through its own code path, CSV in memory to CSV discarded:
// 100,000 checks and 10,000 designs on one thread, and on two.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "cli/batch_run.h"

namespace {

// Stations of a wall along a road: heights from 1.5 to 6 m, the footing in proportion, the
// surcharge and the soils changing.
std::string Estacion(std::uint64_t i) {
    std::uint64_t x = i * 6364136223846793005ULL + 1442695040888963407ULL;
    auto sorteo = [&x](int n) {
        x ^= x >> 29;
        x *= 0xBF58476D1CE4E5B9ULL;
        x ^= x >> 32;
        return static_cast<int>(x % static_cast<std::uint64_t>(n));
    };
    const double h = 1.5 + sorteo(451) / 100.0;
    char linea[160];
    std::snprintf(linea, sizeof linea, "E%llu,%.2f,%.2f,%.2f,%.2f,%.2f,%d,%.2f,%d,%d\n",
                  static_cast<unsigned long long>(i), h, h < 3.1 ? 0.25 : h * 0.08,
                  h < 1.3 ? 0.2 : h * 0.15, h * 0.5, sorteo(201) / 100.0, 28 + sorteo(7),
                  1.7 + sorteo(3) / 10.0, 28 + sorteo(7), sorteo(4) == 0 ? 1 : 0);
    return linea;
}

std::string Tabla(std::uint64_t filas) {
    std::string t = "Id,Altura,AltZap,Punta,Talon,Sobrec,Phi1,Gamma1,Phi2,Centrica\n";
    for (std::uint64_t i = 0; i < filas; ++i) t += Estacion(i);
    return t;
}

// Output discarded, as to /dev/null.
struct Nada : std::streambuf {
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int overflow(int c) override { return c; }
};

void Lote(benchmark::State& st, std::uint64_t filas, bool diseno) {
    const std::string tabla = Tabla(filas);
    tarelvo::PedidoLote p;
    p.diseno = diseno;
    p.trabajos = static_cast<int>(st.range(0));
    Nada nada;
    std::ostream out(&nada);
    for (auto _ : st) {
        std::istringstream in(tabla);
        std::ostringstream err;
        const int estado = tarelvo::EjecutaLote(in, "tabla", tabla.size(), p, out, err);
        if (estado != 0) st.SkipWithError(err.str().c_str());
    }
    st.counters["filas/s"] = benchmark::Counter(static_cast<double>(filas) * st.iterations(),
                                                benchmark::Counter::kIsRate);
}

void BM_Lote100milChequeos(benchmark::State& st) { Lote(st, 100000, false); }
void BM_Lote10milDisenos(benchmark::State& st) { Lote(st, 10000, true); }
BENCHMARK(BM_Lote100milChequeos)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Lote10milDisenos)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// A million rows read as they are made and written nowhere: the peak memory stays that of a
// window of rows in flight.
void BM_LoteMillonDeFilas(benchmark::State& st) {
    struct Generada : std::streambuf {
        std::uint64_t i = 0;
        std::string linea;
        int underflow() override {
            if (i > 1000000) return traits_type::eof();
            linea = i == 0 ? "Id,Altura,AltZap,Punta,Talon,Sobrec,Phi1,Gamma1,Phi2,Centrica\n"
                           : Estacion(i - 1);
            ++i;
            setg(linea.data(), linea.data(), linea.data() + linea.size());
            return traits_type::to_int_type(linea[0]);
        }
    };
    tarelvo::PedidoLote p;
    p.trabajos = static_cast<int>(st.range(0));
    Nada nada;
    std::ostream out(&nada);
    for (auto _ : st) {
        Generada g;
        std::istream in(&g);
        std::ostringstream err;
        tarelvo::EjecutaLote(in, "generada", 0, p, out, err);
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    st.counters["pico_MB"] = static_cast<double>(uso.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_LoteMillonDeFilas)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
