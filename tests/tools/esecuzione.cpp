#include "esecuzione.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "support/cartella_temporanea.h"

extern char** environ;

namespace prove {

Esito vxarchivio(const std::vector<std::string>& argomenti, const std::string& ingresso,
                 const std::map<std::string, std::string>& ambiente) {
    supporto::CartellaTemporanea flussi;
    flussi.scrivi("in", ingresso);
    std::vector<std::string> testi{VXARCHIVIO};
    testi.insert(testi.end(), argomenti.begin(), argomenti.end());
    std::vector<char*> argv;
    for (auto& t : testi)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    // The environment, less what `ambiente` replaces or removes, plus what it sets.
    std::vector<std::string> righe;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (!ambiente.count(v.substr(0, v.find('=')))) righe.push_back(v);
    }
    for (const auto& [nome, valore] : ambiente)
        if (!valore.empty()) righe.push_back(nome + "=" + valore);
    std::vector<char*> envp;
    for (auto& r : righe)
        envp.push_back(r.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, 0, flussi.file("in").c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&azioni, 1, flussi.file("out").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&azioni, 2, flussi.file("err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int r = posix_spawn(&pid, argv[0], &azioni, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    if (r != 0) throw std::runtime_error("vxarchivio non parte");
    int stato = 0;
    waitpid(pid, &stato, 0);
    Esito esito;
    esito.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato);
    esito.out = flussi.leggi("out");
    esito.err = flussi.leggi("err");
    return esito;
}

std::map<std::string, std::string> contenuto(const std::string& cartella) {
    std::map<std::string, std::string> file;
    for (const auto& voce : std::filesystem::recursive_directory_iterator(cartella))
        if (voce.is_regular_file())
            file[std::filesystem::relative(voce.path(), cartella).string()] =
                leggiFile(voce.path().string());
    return file;
}

}  // namespace prove
