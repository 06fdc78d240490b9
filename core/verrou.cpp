// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verrou.h"

#include "core/dates.h"
#include "core/partage.h"
#include "core/systeme.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tramonta {

namespace {
std::optional<std::string>& MachineImposee() {
    static std::optional<std::string> m;
    return m;
}

// The documents that a lock of this process holds: another window of the
// same run that opens one is warned like another copy of the program.
std::set<std::string>& Tenus() {
    static std::set<std::string> t;
    return t;
}

unsigned long long DebutDe(long pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string ligne;
    if (!std::getline(f, ligne))
        return 0;
    // The command name, in brackets, may hold blanks: count after its end.
    const auto fin = ligne.rfind(')');
    if (fin == std::string::npos)
        return 0;
    std::istringstream champs(ligne.substr(fin + 1));
    std::string champ;
    // Fields 3 onwards; the start time is field 22.
    for (int i = 3; i <= 22; ++i)
        if (!(champs >> champ))
            return 0;
    try {
        return std::stoull(champ);
    } catch (...) {
        return 0;
    }
}

std::string Echapper(const std::string& s) {
    std::string r;
    for (char c : s) {
        if (c == ',' || c == ';' || c == '\\')
            r += '\\';
        r += c;
    }
    return r;
}

// Splits "a,b,c;" into its fields, undoing the escapes; nothing when the
// entry does not end with ";".
std::optional<std::vector<std::string>> Entree(const std::string& s, std::size_t& pos) {
    std::vector<std::string> champs(1);
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '\\' && pos + 1 < s.size()) {
            champs.back() += s[++pos];
        } else if (c == ',') {
            champs.emplace_back();
        } else if (c == ';') {
            ++pos;
            return champs;
        } else {
            champs.back() += c;
        }
    }
    return std::nullopt;
}

std::string Deux(int n) {
    char t[8];
    std::snprintf(t, sizeof t, "%02d", n);
    return t;
}

std::string Dossier(const std::string& chemin) {
    const auto p = chemin.find_last_of('/');
    if (p == std::string::npos)
        return ".";
    return p == 0 ? "/" : chemin.substr(0, p);
}

// A lock is a line or two: anything larger, a link, a pipe or a device at
// its place is no lock, and is never read (a pipe would hold the program,
// /dev/zero would fill its memory).
constexpr std::int64_t kTailleMaxVerrou = 4096;

bool LireTout(const std::string& chemin, std::string& contenu) {
    std::string message;
    return LireFichierPartage(chemin, Liens::Jamais, kTailleMaxVerrou, contenu, message) == EtatOuverture::Ok;
}

std::string NomSeul(const std::string& chemin) {
    const auto p = chemin.find_last_of('/');
    return p == std::string::npos ? chemin : chemin.substr(p + 1);
}

bool EcrireTout(int fd, const std::string& contenu) {
    // Readable by the other officers, whatever the umask: a lock that they
    // cannot read would not warn them.
    ::fchmod(fd, 0644);
    bool ok = ::write(fd, contenu.data(), contenu.size()) == static_cast<ssize_t>(contenu.size());
    return ::close(fd) == 0 && ok;
}

// Writes a new lock: created with O_EXCL, so that nothing already there is
// opened; whatever is there (a stale lock, or a link, a pipe or a file that
// another user put in its place) is replaced by a new file renamed over it,
// which follows no link and writes into no file of anybody's.
bool EcrireVerrou(const std::string& chemin, const std::string& contenu) {
    int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0) {
        if (EcrireTout(fd, contenu))
            return true;
        // A full disk: a cut lock would only mislead.
        ::unlink(chemin.c_str());
        return false;
    }
    if (errno != EEXIST)
        return false;
    const std::string modele = Dossier(chemin) + "/" + NomSeul(chemin) + ".XXXXXX";
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    fd = ::mkstemp(nom.data());
    if (fd < 0)
        return false;
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    if (EcrireTout(fd, contenu) && ::rename(nom.data(), chemin.c_str()) == 0)
        return true;
    ::unlink(nom.data());
    return false;
}
} // namespace

TProcessus ProcessusCourant() {
    const long pid = static_cast<long>(::getpid());
    return {pid, DebutDe(pid)};
}

bool ProcessusVivant(const TProcessus& p) {
    if (p.pid <= 0)
        return false;
    if (::kill(static_cast<pid_t>(p.pid), 0) != 0 && errno != EPERM)
        return false;
    // The number may have gone to another process since.
    const unsigned long long debut = DebutDe(p.pid);
    return p.debut == 0 || debut == 0 || debut == p.debut;
}

std::string NomMachine() {
    if (MachineImposee())
        return *MachineImposee();
    char nom[256] = {};
    if (::gethostname(nom, sizeof nom - 1) != 0)
        return {};
    return nom;
}

void DefinirNomMachine(std::optional<std::string> nom) {
    MachineImposee() = std::move(nom);
}

std::string TInfosVerrou::DateAffichee() const {
    std::string d = date;
    for (char& c : d)
        if (c == '.')
            c = '/';
    return d;
}

std::string CheminVerrou(const std::string& document) {
    const auto p = document.find_last_of('/');
    const std::string nom = p == std::string::npos ? document : document.substr(p + 1);
    return Dossier(document) + "/.~lock." + nom + "#";
}

std::string FormerVerrou(const TInfosVerrou& i) {
    std::string s = Echapper(i.nom) + ',' + Echapper(i.utilisateur) + ',' + Echapper(i.machine) + ',' +
                    Echapper(i.date) + ',' + Echapper(i.dossierUtilisateur) + ';';
    if (i.processus.pid > 0)
        s += "\nTramonta," + std::to_string(i.processus.pid) + ',' + std::to_string(i.processus.debut) + ';';
    return s;
}

std::optional<TInfosVerrou> AnalyserVerrou(const std::string& contenu) {
    std::size_t pos = 0;
    const auto premiere = Entree(contenu, pos);
    if (!premiere || premiere->size() != 5)
        return std::nullopt;
    TInfosVerrou i;
    i.nom = (*premiere)[0];
    i.utilisateur = (*premiere)[1];
    i.machine = (*premiere)[2];
    i.date = (*premiere)[3];
    i.dossierUtilisateur = (*premiere)[4];
    while (pos < contenu.size() && (contenu[pos] == '\n' || contenu[pos] == '\r'))
        ++pos;
    if (const auto notre = Entree(contenu, pos); notre && notre->size() == 3 && (*notre)[0] == "Tramonta") {
        try {
            i.processus.pid = std::stol((*notre)[1]);
            i.processus.debut = std::stoull((*notre)[2]);
        } catch (...) {
            i.processus = {};
        }
    }
    return i;
}

std::optional<TInfosVerrou> LireVerrou(const std::string& document) {
    std::string contenu;
    if (!LireTout(CheminVerrou(document), contenu))
        return std::nullopt;
    return AnalyserVerrou(contenu);
}

EtatVerrou EvaluerVerrou(const std::string& document, const TVerrou* mien, TInfosVerrou* infos) {
    const auto lu = LireVerrou(document);
    if (!lu)
        return EtatVerrou::Libre;
    if (infos)
        *infos = *lu;
    if (lu->machine != NomMachine() || lu->processus.pid <= 0)
        return EtatVerrou::Occupe;
    const TProcessus moi = ProcessusCourant();
    if (lu->processus.pid == moi.pid && lu->processus.debut == moi.debut) {
        if (mien && mien->Document() == document)
            return EtatVerrou::AMoi;
        return Tenus().count(document) ? EtatVerrou::Occupe : EtatVerrou::Abandonne;
    }
    return ProcessusVivant(lu->processus) ? EtatVerrou::Occupe : EtatVerrou::Abandonne;
}

bool TVerrou::Prendre(const std::string& document, const std::string& dossierUtilisateur) {
    Liberer();
    TInfosVerrou i;
    i.nom = NomUtilisateur();
    i.utilisateur = NomUtilisateur();
    i.machine = NomMachine();
    const TDateTime maintenant = Maintenant();
    const DateCivile d = DecodeDate(maintenant);
    int h = 0, mi = 0, s = 0;
    DecodeTime(maintenant, h, mi, s);
    i.date =
        Deux(d.jour) + '.' + Deux(d.mois) + '.' + std::to_string(d.annee) + ' ' + Deux(h) + ':' + Deux(mi);
    i.dossierUtilisateur = dossierUtilisateur;
    i.processus = ProcessusCourant();
    const std::string contenu = FormerVerrou(i);
    if (!EcrireVerrou(CheminVerrou(document), contenu))
        return false;
    document_ = document;
    contenu_ = contenu;
    Tenus().insert(document);
    return true;
}

void TVerrou::Liberer() {
    if (document_.empty())
        return;
    const std::string chemin = CheminVerrou(document_);
    std::string contenu;
    // Another copy that opened the file anyway has put its own lock there.
    if (LireTout(chemin, contenu) && contenu == contenu_)
        ::unlink(chemin.c_str());
    Tenus().erase(document_);
    document_.clear();
    contenu_.clear();
}

} // namespace tramonta
