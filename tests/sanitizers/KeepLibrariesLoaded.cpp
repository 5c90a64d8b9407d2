// Compiled into every program of the sanitized build. LeakSanitizer looks for leaks at the
// very end of the process, after the GL and sound drivers that were opened at run time have
// been unloaded again: everything a driver still held through its own globals then looks
// leaked, with stacks into unmapped code that no report or suppression can name. Here
// dlclose keeps every library loaded, so what the drivers hold stays reachable and a real
// leak in one of them comes with a stack that names it.
#include <dlfcn.h>

extern "C" int dlclose(void*) { return 0; }
