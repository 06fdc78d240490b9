// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systeme_impression.h"

#include <cups/cups.h>

#include <cerrno>
#include <cstdlib>

namespace tramonta {

std::string TexteServiceMuet(const std::string& imprimante) {
    std::string texte = "Le service d'impression ne répond pas.";
    if (!imprimante.empty())
        texte += "\nImprimante : « " + imprimante + " »";
    return texte;
}

std::string TexteRefus(const std::string& imprimante) {
    return "L'imprimante « " + imprimante + " » refuse les travaux d'impression.";
}

namespace {

std::string TexteInconnue(const std::string& imprimante) {
    return "L'imprimante « " + imprimante + " » n'existe pas sur le service d'impression.";
}

// One connection to the print server, for one question or one job. Every
// wait on it ends after the delay: the timeout callback gives up at once.
class Connexion {
  public:
    Connexion(const std::string& hote, int port, double delai) {
        http_ = httpConnect2(hote.c_str(), port, nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             static_cast<int>(delai * 1000), nullptr);
        if (http_)
            httpSetTimeout(http_, delai, &Connexion::Abandonner, this);
    }
    ~Connexion() {
        if (http_)
            httpClose(http_);
    }
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    http_t* Http() const { return http_; }
    bool Expiree() const { return expiree_; }
    // What the last request's failure says of the server: it did not
    // answer in time, or the connection broke (the library reports its own
    // transport failures as internal errors).
    bool Muette() const {
        const ipp_status_t s = cupsLastError();
        return expiree_ || s == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || s == IPP_STATUS_ERROR_INTERNAL;
    }

  private:
    static int Abandonner(http_t*, void* donnees) {
        static_cast<Connexion*>(donnees)->expiree_ = true;
        return 0;
    }
    http_t* http_ = nullptr;
    bool expiree_ = false;
};

// Frees what the CUPS library gave.
struct ReponseIpp {
    explicit ReponseIpp(ipp_t* r) : ipp(r) {}
    ~ReponseIpp() {
        if (ipp)
            ippDelete(ipp);
    }
    ReponseIpp(const ReponseIpp&) = delete;
    ReponseIpp& operator=(const ReponseIpp&) = delete;
    ipp_t* ipp;
};

class TSystemeImpressionCups : public TSystemeImpression {
  public:
    TSystemeImpressionCups(std::string serveur, double delai) : serveur_(std::move(serveur)), delai_(delai) {}

    TImprimantes Imprimantes() override {
        std::unique_ptr<Connexion> c = Connecter();
        if (!c->Http()) {
            // Nothing listens. A print server that the user named, or that
            // this run has already reached, has stopped: that is said. On a
            // machine without any, there is simply no printer.
            if (Designe() || joint_)
                throw TErreurImpression(TexteServiceMuet({}));
            return {};
        }
        TImprimantes liste;
        static const char* const kAttributs[] = {"printer-name"};
        ipp_t* requete = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
        ippAddStrings(requete, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 1, nullptr,
                      kAttributs);
        {
            ReponseIpp reponse(cupsDoRequest(c->Http(), requete, "/"));
            const ipp_status_t statut = cupsLastError();
            if (!reponse.ipp || (statut > IPP_STATUS_OK_CONFLICTING && statut != IPP_STATUS_ERROR_NOT_FOUND))
                throw TErreurImpression(TexteServiceMuet({}));
            joint_ = true;
            for (ipp_attribute_t* a = ippFindAttribute(reponse.ipp, "printer-name", IPP_TAG_NAME); a;
                 a = ippFindNextAttribute(reponse.ipp, "printer-name", IPP_TAG_NAME))
                liste.noms.emplace_back(ippGetString(a, 0, nullptr));
        }
        if (liste.noms.empty())
            return liste;
        // The user's own default (lpoptions, PRINTER) before the server's.
        if (cups_dest_t* defaut = cupsGetNamedDest(c->Http(), nullptr, nullptr)) {
            const std::string nom = defaut->name;
            cupsFreeDests(1, defaut);
            for (const std::string& n : liste.noms)
                if (n == nom)
                    liste.parDefaut = nom;
        } else if (c->Expiree()) {
            throw TErreurImpression(TexteServiceMuet({}));
        }
        return liste;
    }

    void Verifier(const std::string& imprimante) override {
        std::unique_ptr<Connexion> c = Connecter();
        if (!c->Http())
            throw TErreurImpression(TexteServiceMuet(imprimante));
        static const char* const kAttributs[] = {"printer-is-accepting-jobs", "printer-state"};
        ipp_t* requete = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        ippAddString(requete, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                     UriImprimante(imprimante).c_str());
        ippAddStrings(requete, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                      kAttributs);
        ReponseIpp reponse(cupsDoRequest(c->Http(), requete, "/"));
        const ipp_status_t statut = cupsLastError();
        if (statut == IPP_STATUS_ERROR_NOT_FOUND) {
            joint_ = true;
            throw TErreurImpression(TexteInconnue(imprimante));
        }
        if (!reponse.ipp || statut > IPP_STATUS_OK_CONFLICTING) {
            if (c->Muette())
                throw TErreurImpression(TexteServiceMuet(imprimante));
            throw TErreurImpression(TexteEchec(imprimante));
        }
        joint_ = true;
        ipp_attribute_t* accepte =
            ippFindAttribute(reponse.ipp, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
        if (accepte && !ippGetBoolean(accepte, 0))
            throw TErreurImpression(TexteRefus(imprimante));
    }

    int Envoyer(const std::string& imprimante, std::string_view pdf, const std::string& titre) override {
        std::unique_ptr<Connexion> c = Connecter();
        if (!c->Http())
            throw TErreurImpression(TexteServiceMuet(imprimante));
        // The job made on this connection: the library's own job calls look
        // the printer up again through the default server.
        const std::string uri = UriImprimante(imprimante);
        const std::string ressource = "/printers/" + imprimante;
        ipp_t* requete = ippNewRequest(IPP_OP_CREATE_JOB);
        ippAddString(requete, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
        ippAddString(requete, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ippAddString(requete, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, titre.c_str());
        int travail = 0;
        {
            ReponseIpp reponse(cupsDoRequest(c->Http(), requete, ressource.c_str()));
            if (!reponse.ipp || cupsLastError() > IPP_STATUS_OK_CONFLICTING)
                Echouer(*c, imprimante);
            if (ipp_attribute_t* a = ippFindAttribute(reponse.ipp, "job-id", IPP_TAG_INTEGER))
                travail = ippGetInteger(a, 0);
        }
        joint_ = true;
        if (travail <= 0)
            throw TErreurImpression(TexteEchec(imprimante));
        bool envoye = cupsStartDocument(c->Http(), imprimante.c_str(), travail, titre.c_str(),
                                        CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE;
        constexpr std::size_t kMorceau = 64 * 1024;
        for (std::size_t i = 0; envoye && i < pdf.size(); i += kMorceau) {
            const std::size_t n = std::min(kMorceau, pdf.size() - i);
            envoye = cupsWriteRequestData(c->Http(), pdf.data() + i, n) == HTTP_STATUS_CONTINUE;
        }
        // The answer to the whole document is the print server's verdict.
        const ipp_status_t fin = cupsFinishDocument(c->Http(), imprimante.c_str());
        if (!envoye || fin > IPP_STATUS_OK_CONFLICTING) {
            const bool muette = c->Muette();
            // A job half sent must not wait in the queue for a document that
            // will not come.
            if (!muette)
                cupsCancelJob2(c->Http(), imprimante.c_str(), travail, 0);
            if (muette)
                throw TErreurImpression(TexteServiceMuet(imprimante));
            Echouer(*c, imprimante);
        }
        return travail;
    }

  private:
    // A print server named by the user or the caller, rather than the local
    // one that CUPS falls back on.
    bool Designe() const {
        if (!serveur_.empty())
            return true;
        const char* env = std::getenv("CUPS_SERVER");
        if (env && *env)
            return true;
        const std::string hote = cupsServer();
        return hote != "localhost";
    }

    std::unique_ptr<Connexion> Connecter() const {
        std::string hote = serveur_;
        int port = ippPort();
        if (hote.empty()) {
            hote = cupsServer();
        } else if (hote.front() != '/') {
            const auto deux = hote.rfind(':');
            if (deux != std::string::npos && hote.find(']', deux) == std::string::npos) {
                port = std::atoi(hote.c_str() + deux + 1);
                hote.erase(deux);
            }
        }
        return std::make_unique<Connexion>(hote, port, delai_);
    }

    // The server reads the queue's name from the path; the host is its own.
    static std::string UriImprimante(const std::string& imprimante) {
        char uri[HTTP_MAX_URI];
        httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                         "/printers/%s", imprimante.c_str());
        return uri;
    }

    static std::string TexteEchec(const std::string& imprimante) {
        std::string raison = cupsLastErrorString() ? cupsLastErrorString() : "";
        if (raison.empty())
            raison = ippErrorString(cupsLastError());
        return "L'imprimante « " + imprimante + " » n'a pas pris le travail : " + raison + ".";
    }

    [[noreturn]] static void Echouer(const Connexion& c, const std::string& imprimante) {
        switch (cupsLastError()) {
        case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
            throw TErreurImpression(TexteRefus(imprimante));
        case IPP_STATUS_ERROR_NOT_FOUND:
            throw TErreurImpression(TexteInconnue(imprimante));
        default:
            break;
        }
        if (c.Muette())
            throw TErreurImpression(TexteServiceMuet(imprimante));
        throw TErreurImpression(TexteEchec(imprimante));
    }

    std::string serveur_;
    double delai_;
    // Set once the print server has answered in this run.
    bool joint_ = false;
};

std::unique_ptr<TSystemeImpression>& Systeme() {
    static std::unique_ptr<TSystemeImpression> systeme;
    return systeme;
}

} // namespace

std::unique_ptr<TSystemeImpression> CreerSystemeImpressionCups(const std::string& serveur, double delai) {
    return std::make_unique<TSystemeImpressionCups>(serveur, delai);
}

TSystemeImpression& SystemeImpression() {
    if (!Systeme())
        Systeme() = CreerSystemeImpressionCups();
    return *Systeme();
}

std::unique_ptr<TSystemeImpression> DefinirSystemeImpression(std::unique_ptr<TSystemeImpression> systeme) {
    std::unique_ptr<TSystemeImpression> precedent = std::move(Systeme());
    Systeme() = std::move(systeme);
    return precedent;
}

} // namespace tramonta
