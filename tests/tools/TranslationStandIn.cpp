// The loopback translation service of the tests as a program of its own: scripts/desktop-check
// points the real program at it when no real translation service is around. It answers every
// service's format with the text tagged by the target language ("[es] Hello").

#include "TranslationTestService.h"

#include <csignal>
#include <cstdio>
#include <pthread.h>

int main()
{
    // Blocked before the service's thread starts, so that only sigwait sees them.
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTERM);
    sigaddset(&stop, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);

    verbalink::test::TranslationTestService service;
    if (!service.listening()) {
        std::fprintf(stderr, "translation-stand-in: cannot listen on 127.0.0.1\n");
        return 1;
    }
    std::printf("%s\n", service.hostPort().constData());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stop, &signal);
    return 0;
}
