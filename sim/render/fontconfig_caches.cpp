// Linked into the programs that draw text when they are built with the sanitizers:
// fontconfig keeps its caches for the life of the process, which the leak checker would
// otherwise report at exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
