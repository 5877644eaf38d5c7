// vxarchivio: the administrator's command-line tool. Parses the command line and hands each
// command to its handler in the tools library.

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>

#include "archive/versione.h"
#include "tools/comandi.h"

int main(int argc, char** argv) {
    CLI::App app{"vxarchivio: strumento dell'amministratore degli archivi Ponteval"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("vxarchivio ") + archive::VERSIONE,
                         "stampa la versione ed esce");
    std::optional<std::string> archivio;
    app.add_option("--archivio", archivio, "cartella dell'archivio (default: configurazione)");

    std::string a1, a2, a3, a4, a5;
    std::string occorrenza = "0";
    bool numero = false, mostra = false;
    std::string dati, chiave;
    std::function<int(tools::Flussi&)> azione;

    auto* demo = app.add_subcommand("demo", "crea un'installazione dimostrativa in DIR");
    demo->add_option("DIR", a1)->required();
    demo->callback([&] { azione = [&](tools::Flussi& f) { return tools::comandoDemo(f, a1); }; });

    auto* record = app.add_subcommand("record", "stampa il record N del file FILE");
    record->add_option("FILE", a1)->required();
    record->add_option("N", a2)->required();
    record->callback([&] {
        azione = [&](tools::Flussi& f) {
            tools::impostaArchivio(archivio);
            return tools::comandoRecord(f, a1, a2);
        };
    });

    auto* campo = app.add_subcommand("campo", "stampa un campo del record N per descrittore");
    campo->add_option("DESCRITTORE", a1)->required();
    campo->add_option("FILE", a2)->required();
    campo->add_option("N", a3)->required();
    campo->add_option("--occorrenza", occorrenza, "occorrenza K del gruppo ripetuto");
    auto* flagNumero = campo->add_flag("--numero", numero, "valore numerico (RepoRN)");
    campo->add_flag("--mostra", mostra, "testo da mostrare (RepoRT)")->excludes(flagNumero);
    campo->callback([&] {
        azione = [&](tools::Flussi& f) {
            tools::impostaArchivio(archivio);
            const auto modo = numero   ? tools::ModoCampo::Numero
                              : mostra ? tools::ModoCampo::Mostra
                                       : tools::ModoCampo::Testo;
            return tools::comandoCampo(f, a1, a2, a3, occorrenza, modo);
        };
    });

    auto* scrivi = app.add_subcommand("campo-scrivi", "scrive VALORE nel campo del record N");
    scrivi->add_option("DESCRITTORE", a1)->required();
    scrivi->add_option("VALORE", a2)->required();
    scrivi->add_option("FILE", a3)->required();
    scrivi->add_option("N", a4)->required();
    scrivi->add_option("--occorrenza", occorrenza, "occorrenza K del gruppo ripetuto");
    scrivi->callback([&] {
        azione = [&](tools::Flussi& f) {
            tools::impostaArchivio(archivio);
            return tools::comandoCampoScrivi(f, a1, a2, a3, a4, occorrenza);
        };
    });

    auto* isam = app.add_subcommand("isam", "un'operazione ISAM su un indice");
    isam->add_option("OPERAZIONE", a1,
                     "trova|successivo|elimina|inserisci|inizializza|esegui|elenca")
        ->required()
        ->check(CLI::IsMember(
            {"trova", "successivo", "elimina", "inserisci", "inizializza", "esegui", "elenca"}));
    isam->add_option("INDICE", a2)->required();
    isam->add_option("CHIAVE", a3);
    isam->add_option("N", a4);
    isam->callback([&] {
        azione = [&](tools::Flussi& f) {
            const bool conChiave =
                a1 == "trova" || a1 == "successivo" || a1 == "elimina" || a1 == "inserisci";
            if (conChiave && isam->count("CHIAVE") == 0)
                throw tools::ErroreUso("isam " + a1 + ": manca la CHIAVE");
            if (a1 == "inserisci" && isam->count("N") == 0)
                throw tools::ErroreUso("isam inserisci: manca il numero di record N");
            if ((!conChiave && isam->count("CHIAVE") != 0) ||
                (a1 != "inserisci" && isam->count("N") != 0))
                throw tools::ErroreUso("isam " + a1 + ": troppi argomenti");
            tools::impostaArchivio(archivio);
            return tools::comandoIsam(f, a1, a2, a3, a4);
        };
    });

    auto* indice = app.add_subcommand("indice", "verifica o ricostruisce un indice");
    indice->add_option("OPERAZIONE", a1, "verifica|ricostruisci")
        ->required()
        ->check(CLI::IsMember({"verifica", "ricostruisci"}));
    indice->add_option("INDICE", a2)->required();
    indice->add_option("--dati", dati, "file dei dati (ricostruisci; verifica anche contro i dati)");
    indice->add_option("--chiave", chiave, "POS,LUN della chiave nei record dei dati");
    indice->callback([&] {
        azione = [&](tools::Flussi& f) {
            tools::impostaArchivio(archivio);
            if (a1 == "verifica") return tools::comandoIndiceVerifica(f, a2, dati, chiave);
            if (dati.empty() || chiave.empty())
                throw tools::ErroreUso(
                    "indice ricostruisci: servono --dati FILE e --chiave POS,LUN");
            return tools::comandoIndiceRicostruisci(f, a2, dati, chiave);
        };
    });

    std::optional<std::string> voce, chiaveDipendente;
    auto* giornale = app.add_subcommand(
        "giornale", "elenca il giornale delle riassunzioni (VXMIRA.JNL), o la voce N per intero");
    giornale->add_option("N", voce, "numero della voce (la sua riga nel giornale)");
    giornale->add_option("--chiave", chiaveDipendente, "solo le voci del dipendente K");
    giornale->footer(
        "Una voce per riga: numero, ora, utente, host, chiave, record, campi cambiati, stato "
        "(applicata, non applicata, modificata dopo, annullata), tipo (riassunzione, "
        "annullamento N). Una riga illeggibile: numero, danneggiata, motivo.");
    giornale->callback([&] {
        azione = [&](tools::Flussi& f) {
            tools::impostaArchivio(archivio);
            return tools::comandoGiornale(f, voce, chiaveDipendente);
        };
    });

    auto* annulla = app.add_subcommand(
        "annulla", "rimette il record com'era prima della voce N, se da allora non e' cambiato");
    annulla->add_option("N", a1, "numero della voce")->required();
    annulla->footer(
        "Se il record e' cambiato dopo la voce non scrive nulla, elenca i campi cambiati ed "
        "esce con 1. L'annullamento e' a sua volta una voce del giornale.");
    annulla->callback([&] {
        azione = [&](tools::Flussi& f) {
            tools::impostaArchivio(archivio);
            return tools::comandoAnnulla(f, a1);
        };
    });

    auto aggiungiCodice = [&](const char* nome, const char* descrizione,
                              std::vector<std::string> operazioni) {
        auto* c = app.add_subcommand(nome, descrizione);
        c->add_option("OPERAZIONE", a1)->required()->check(CLI::IsMember(operazioni));
        c->add_option("CODICE", a2)->required();
        c->callback([&, nome = std::string(nome)] {
            azione = [&, nome](tools::Flussi& f) {
                if (a1 == "decodifica") tools::impostaArchivio(archivio);
                return tools::comandoCodice(f, nome, a1, a2);
            };
        });
    };
    aggiungiCodice("cf", "controlla o decodifica un codice fiscale", {"controlla", "decodifica"});
    aggiungiCodice("piva", "controlla un codice di 11 cifre", {"controlla"});

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {  // --help or --version
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        // The first word that is neither an option nor the archive folder names the command.
        std::string comando;
        for (int i = 1; i < argc && comando.empty(); ++i) {
            const std::string a = argv[i];
            if (a == "--archivio") {
                ++i;
            } else if (a.rfind("-", 0) != 0) {
                comando = a;
            }
        }
        const auto noti =
            app.get_subcommands([&](CLI::App* s) { return s->get_name() == comando; });
        if (!comando.empty() && noti.empty())
            std::cerr << "vxarchivio: comando sconosciuto: " << comando << " (vxarchivio --help)\n";
        else
            std::cerr << "vxarchivio: " << e.what() << " (vxarchivio --help)\n";
        return tools::ESITO_USO;
    }
    tools::Flussi flussi{std::cin, std::cout, std::cerr};
    return tools::eseguiComando(flussi, [&] { return azione(flussi); });
}
