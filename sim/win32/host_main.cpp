// velquist-host.exe: the simulator's command line, run from the stand-in ScriptHookV.dll,
// which loads the real Velquist.asi.
extern "C" __declspec(dllimport) int velquistSimMain(int argc, char** argv);

int main(int argc, char** argv) { return velquistSimMain(argc, argv); }
