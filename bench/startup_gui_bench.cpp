// From process start to the painted main window: the benchmark starts itself again as a child that
// builds the application and the main window exactly as the program does, paints it and reports
// back through a pipe.
#include "app/app.h"
#include "app/main_window.h"
#include "app/window_access.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kKind = "QUADROVA_STARTUP_CHILD";

int kindLaeuft(int argc, char** argv) {
    App app(argc, argv);
    HauptFenster& w = hauptFenster();
    w.show();
    App::processEvents();
    w.repaint();
    const char fertig = 'x';
    return write(STDOUT_FILENO, &fertig, 1) == 1 ? 0 : 1;
}

void BM_StartBisFenster(benchmark::State& state) {
    std::vector<std::string> umgebung;
    for (char** e = environ; *e != nullptr; ++e) umgebung.emplace_back(*e);
    umgebung.emplace_back(std::string(kKind) + "=1");
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) umgebung.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& s : umgebung) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string selbst = "/proc/self/exe";
    char* argv[] = {selbst.data(), nullptr};

    for (auto _ : state) {
        int rohr[2];
        if (pipe(rohr) != 0) {
            state.SkipWithError("pipe");
            break;
        }
        posix_spawn_file_actions_t aktionen;
        posix_spawn_file_actions_init(&aktionen);
        posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
        const auto beginn = std::chrono::steady_clock::now();
        pid_t kind = 0;
        const int fehler = posix_spawn(&kind, selbst.c_str(), &aktionen, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&aktionen);
        close(rohr[1]);
        char zeichen = 0;
        const bool gelesen = fehler == 0 && read(rohr[0], &zeichen, 1) == 1;
        const auto ende = std::chrono::steady_clock::now();
        close(rohr[0]);
        int status = 0;
        if (fehler == 0) waitpid(kind, &status, 0);
        if (!gelesen) {
            state.SkipWithError("child did not show the window");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(ende - beginn).count());
    }
}

BENCHMARK(BM_StartBisFenster)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv(kKind) != nullptr) return kindLaeuft(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
