// Speed of the engine: one full check of the default wall, without and with its earthquake
// and water cases, and two footing designs.
#include <benchmark/benchmark.h>

#include "cli/headless_window.h"

namespace {

using tarelvo::HeadlessWindow;
using tarelvo::ProjectState;

void BM_ChequeoMuroInicial(benchmark::State& st) {
    ProjectState s;
    HeadlessWindow w;
    w.Arranque(s);
    for (auto _ : st) {
        tarelvo::ChequeaMuro(s, w, w);
        benchmark::DoNotOptimize(s.FsVuelco);
    }
}
BENCHMARK(BM_ChequeoMuroInicial);

// The same wall with its earthquake case and water behind it: both load cases in one check.
void BM_ChequeoConSismoYAgua(benchmark::State& st) {
    ProjectState s;
    HeadlessWindow w;
    w.Arranque(s);
    s.Kh = 0.15f;
    s.Kv = 0.05f;
    s.Hw = 0.5f;
    for (auto _ : st) {
        tarelvo::ChequeaMuro(s, w, w);
        benchmark::DoNotOptimize(s.FsVuelcoSismo);
    }
}
BENCHMARK(BM_ChequeoConSismoYAgua);

// Each iteration starts again from the entered footing, as "&Calculo" on a fresh wall does.
void Diseno(benchmark::State& st, float altura, float sobrec) {
    ProjectState base;
    HeadlessWindow w;
    w.Arranque(base);
    w.campos.centrica = false;
    base.Altura = altura;
    base.Sobrec = sobrec;
    for (auto _ : st) {
        ProjectState s = base;
        tarelvo::CalculaBase(s, w, w);
        benchmark::DoNotOptimize(s.Talon);
    }
}
void BM_DisenoAltura3Sobrec1(benchmark::State& st) { Diseno(st, 3.0f, 1.0f); }
void BM_DisenoAltura5Sobrec2(benchmark::State& st) { Diseno(st, 5.0f, 2.0f); }
BENCHMARK(BM_DisenoAltura3Sobrec1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DisenoAltura5Sobrec2)->Unit(benchmark::kMicrosecond);

}  // namespace
