#include "Armazem.h"
#include "Erro.h"
#include "Opcoes.h"
#include "Servidor.h"

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <QCoreApplication>
#include <thread>

// servidor-nuvem: the reference cloud service. Prints "URL <address>" once it listens, then
// serves until SIGINT or SIGTERM.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TOpcoes opcoes;
    QString saida;
    int codigo = 0;
    if (!LeOpcoes(QCoreApplication::arguments(), opcoes, saida, codigo)) {
        std::fputs(saida.toLocal8Bit().constData(), codigo == 0 ? stdout : stderr);
        return codigo;
    }

    // A client that goes away mid-answer must not end the process; the stop signals are
    // taken by one thread of our own rather than by whichever thread they hit.
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t sinais;
    sigemptyset(&sinais);
    sigaddset(&sinais, SIGINT);
    sigaddset(&sinais, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &sinais, nullptr);

    try {
        TArmazem armazem(opcoes.Banco);
        TServidor servidor(opcoes, armazem);
        servidor.Liga();
        std::printf("URL %s\n", servidor.Url().toUtf8().constData());
        std::fflush(stdout);
        std::thread vigia([&] {
            int sinal = 0;
            sigwait(&sinais, &sinal);
            servidor.Para();
        });
        const bool ok = servidor.Escuta();
        // Escuta can also end on its own (a failing socket); wake the watcher then.
        pthread_kill(vigia.native_handle(), SIGTERM);
        vigia.join();
        return ok ? 0 : 1;
    } catch (const EErro& e) {
        std::fprintf(stderr, "servidor-nuvem: %s\n", e.what());
        return 1;
    }
}
