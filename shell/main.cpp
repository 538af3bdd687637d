// Schallausbreitung: sound propagation in the particle model, as a teaching simulation.

#include "screen/window.h"
#include "shell/icon.h"
#include "shell/program.h"

namespace {

constexpr int ICON_SIZE = 64;

}  // namespace

int main(int, char** argv) {
    const std::vector<std::uint32_t> icon = ballIcon(ICON_SIZE);
    const WindowIcon windowIcon{ICON_SIZE, ICON_SIZE, icon.data()};
    return runInWindow(argv[0], runProgram, &windowIcon);
}
