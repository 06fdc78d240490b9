// SPDX-License-Identifier: GPL-3.0-or-later
// The lock beside an open document: a file ".~lock.NAME#" in the document's
// folder, in the form that LibreOffice writes and reads, so that users of
// shared folders recognise it and both programs see each other's locks.
// LibreOffice reads the first entry only ("name,login,machine,date,folder;");
// what follows it, the process that holds the lock, is this program's own.
#pragma once

#include <optional>
#include <string>

namespace tramonta {

// A process of this machine: its number and when it started (in clock ticks
// since the boot), so that a number given again to another process is not
// taken for the one that wrote the lock.
struct TProcessus {
    long pid = 0;
    unsigned long long debut = 0;
};
TProcessus ProcessusCourant();
bool ProcessusVivant(const TProcessus& p);
// The machine's name (gethostname); tests may replace it.
std::string NomMachine();
void DefinirNomMachine(std::optional<std::string> nom);

struct TInfosVerrou {
    std::string nom;         // shown name, may be empty
    std::string utilisateur; // login name
    std::string machine;
    std::string date; // "dd.mm.yyyy hh:mm"
    std::string dossierUtilisateur;
    TProcessus processus; // pid 0 for a lock of another program
    std::string NomAffiche() const { return nom.empty() ? utilisateur : nom; }
    // "dd/mm/yyyy hh:mm"
    std::string DateAffichee() const;
};

std::string CheminVerrou(const std::string& document);
std::string FormerVerrou(const TInfosVerrou& infos);
std::optional<TInfosVerrou> AnalyserVerrou(const std::string& contenu);
std::optional<TInfosVerrou> LireVerrou(const std::string& document);

class TVerrou;

enum class EtatVerrou {
    Libre,     // no lock, or one that cannot be read
    AMoi,      // held by `mien`
    Abandonne, // left by a process of this machine that no longer runs
    Occupe,    // another user, machine, program or window
};
EtatVerrou EvaluerVerrou(const std::string& document, const TVerrou* mien, TInfosVerrou* infos = nullptr);

// The lock a window holds on its document, removed when it ends. A lock
// that cannot be written (read-only or full folder) is simply not there.
class TVerrou {
  public:
    TVerrou() = default;
    ~TVerrou() { Liberer(); }
    TVerrou(const TVerrou&) = delete;
    TVerrou& operator=(const TVerrou&) = delete;

    // Replaces whatever lock is there; false when it could not be written.
    bool Prendre(const std::string& document, const std::string& dossierUtilisateur = {});
    // Removes the lock when it is still this one's.
    void Liberer();
    const std::string& Document() const { return document_; }

  private:
    std::string document_;
    std::string contenu_;
};

} // namespace tramonta
