/* Preloaded into the game by measure_real_window.sh: reports, on stderr, the time of each
 * of the first presents of the window since the moment the script started the process
 * (ZORVIK_PROBE_T0, seconds since the epoch as bash's EPOCHREALTIME gives them). The game
 * itself carries no timing code. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/time.h>

int SDL_RenderPresent(void* renderer) {
    static int (*next)(void*) = 0;
    static int count = 0;
    if (next == 0) next = (int (*)(void*))dlsym(RTLD_NEXT, "SDL_RenderPresent");
    const int result = next(renderer);
    if (count < 8) {
        const char* t0 = getenv("ZORVIK_PROBE_T0");
        struct timeval now;
        gettimeofday(&now, 0);
        const double start = t0 != 0 ? atof(t0) : 0.0;
        fprintf(stderr, "present %d at %.1f ms\n", ++count, (now.tv_sec + now.tv_usec / 1e6 - start) * 1000.0);
    }
    return result;
}
