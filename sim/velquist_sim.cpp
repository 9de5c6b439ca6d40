// velquist-sim: the plug-in code linked with the simulated host and game.
#include "linked_plugin.h"
#include "sim_main.h"

int main(int argc, char** argv) {
    sim::LinkedPlugin plugin;
    return sim::simMain(argc, argv, plugin);
}
