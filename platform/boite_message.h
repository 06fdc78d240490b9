// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt face of the program's one message box. Tests queue the answers that
// the next boxes give, and read back what was shown.
#pragma once

#include <deque>
#include <string>
#include <variant>
#include <vector>

namespace tramonta {

struct MessageAffiche {
    std::string texte;
    std::string titre;
    int drapeaux = 0;
    std::vector<std::string> boutons; // a box with buttons of its own
};

// Binds MessageBoxTexte to a QMessageBox (French buttons, the icon and
// buttons that the flags ask for).
void InstallerBoiteMessageQt();

// While answers are queued, boxes are not shown: each takes the next answer
// (IDOK, IDYES, ...) and is recorded. A box with buttons of its own takes
// the button of the queued text, or the index queued. Used by the tests.
class ScriptMessages {
  public:
    ScriptMessages();
    ~ScriptMessages();
    ScriptMessages(const ScriptMessages&) = delete;
    ScriptMessages& operator=(const ScriptMessages&) = delete;
    void Repondre(int reponse) { reponses_.push_back(reponse); }
    void Repondre(const std::string& bouton) { reponses_.push_back(bouton); }
    const std::vector<MessageAffiche>& Affiches() const { return affiches_; }
    // The texts alone, in the order shown.
    std::vector<std::string> Textes() const {
        std::vector<std::string> t;
        for (const auto& m : affiches_)
            t.push_back(m.texte);
        return t;
    }
    void Oublier() { affiches_.clear(); }

  private:
    std::deque<std::variant<int, std::string>> reponses_;
    std::vector<MessageAffiche> affiches_;
};

} // namespace tramonta
