# SPDX-License-Identifier: GPL-3.0-or-later
# Drives a private, headless LibreOffice for the mail merge.
#
# Written by the program into a private folder and started from there as
# python3 -I <this file> <profile folder> <soffice>: isolated, so that no
# module of the user's folders or of PYTHONPATH is ever imported, in a process
# group of its own that LibreOffice joins. Reads one JSON request a line on
# standard input and answers one JSON line on standard output: {"ok": true,
# ...} or {"ok": false, "erreur": "..."}. The first line it writes tells
# whether LibreOffice could be reached. When the program goes away (end of
# input, or the signal that the program's end sends), LibreOffice goes with it.
import json
import os
import signal
import subprocess
import sys
import threading
import time

import uno
from com.sun.star.beans import PropertyValue

sortie = sys.stdout
sys.stdout = sys.stderr  # nothing but answers on the pipe


def repondre(**champs):
    sortie.write(json.dumps(champs) + "\n")
    sortie.flush()


def propriete(nom, valeur):
    p = PropertyValue()
    p.Name = nom
    p.Value = valeur
    return p


class Pilote:
    def __init__(self, profil, soffice, courant):
        self.tube = "tramonta_%d_%d" % (os.getpid(), int(time.time() * 1000))
        self.office = subprocess.Popen(
            [soffice, "--headless", "--invisible", "--norestore", "--nologo", "--nodefault",
             "--nolockcheck", "--nofirststartwizard",
             "-env:UserInstallation=" + uno.systemPathToFileUrl(profil),
             "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % self.tube],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        courant["office"] = self.office
        local = uno.getComponentContext()
        resolveur = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        fin = time.time() + 90
        while True:
            try:
                contexte = resolveur.resolve(
                    "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % self.tube)
                break
            except Exception:
                if self.office.poll() is not None:
                    raise RuntimeError("LibreOffice s'est arrêté au démarrage")
                if time.time() > fin:
                    raise RuntimeError("LibreOffice ne répond pas")
                time.sleep(0.1)
        self.bureau = contexte.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", contexte)
        self.document = None
        self.mots = []

    # The words as LibreOffice splits them, each with the blanks that follow
    # it: a keyword is always a whole word, and the blanks after it survive
    # its replacement. The body comes first, then the tables and the frames.
    def lire_mots(self, texte):
        c = texte.createTextCursor()
        c.gotoStart(False)
        while True:
            if not c.isStartOfWord() and not c.gotoNextWord(False):
                break
            c.gotoEndOfWord(True)
            while c.goRight(1, True):
                if not c.getString().endswith(" "):
                    c.goLeft(1, True)
                    break
            # A sentence's full stop is not part of its last word.
            while c.getString().rstrip(" ").endswith(".") and c.goLeft(1, True):
                pass
            vide = not c.getString().strip()
            if not vide:
                self.mots.append(texte.createTextCursorByRange(c))
            c.collapseToEnd()
            if (vide or not c.isStartOfWord()) and not c.gotoNextWord(False):
                break

    def ouvrir(self, fichier):
        self.fermer()
        url = uno.systemPathToFileUrl(os.path.abspath(fichier))
        self.document = self.bureau.loadComponentFromURL(
            url, "_blank", 0, (propriete("Hidden", True), propriete("ReadOnly", False)))
        if self.document is None or not hasattr(self.document, "Text"):
            self.fermer()
            raise RuntimeError("ce fichier n'est pas un texte : " + fichier)
        self.mots = []
        self.lire_mots(self.document.Text)
        for nom in self.document.TextTables.ElementNames:
            table = self.document.TextTables.getByName(nom)
            for cellule in table.CellNames:
                self.lire_mots(table.getCellByName(cellule))
        for nom in self.document.TextFrames.ElementNames:
            self.lire_mots(self.document.TextFrames.getByName(nom).Text)
        return [m.getString() for m in self.mots]

    def mot(self, index):
        if self.document is None or not 1 <= index <= len(self.mots):
            raise RuntimeError("mot %d inexistant" % index)
        return self.mots[index - 1]

    # The new text goes in after the old one, which is then taken out: text
    # inserted where two words meet would otherwise join the word before.
    # The merge writes from the last word to the first, so the words still
    # to be written never see a word that changed after them.
    def ecrire(self, index, texte):
        mot = self.mot(index)
        ancien = len(mot.getString())
        texte = texte.replace("\r\n", "\n").replace("\r", "\n")
        fin = mot.getText().createTextCursorByRange(mot.getEnd())
        mot.getText().insertString(fin, texte, False)
        debut = mot.getText().createTextCursorByRange(mot.getStart())
        debut.goRight(ancien, True)
        debut.setString("")

    def imprimer(self, fichier):
        if self.document is None:
            raise RuntimeError("aucun document ouvert")
        if fichier:
            # A copy "printed" into a file: plain text when the name ends in
            # .txt, a PDF otherwise.
            if fichier.lower().endswith(".txt"):
                filtre = (propriete("FilterName", "Text (encoded)"),
                          propriete("FilterOptions", "UTF8,LF"))
            else:
                filtre = (propriete("FilterName", "writer_pdf_Export"),)
            self.document.storeToURL(uno.systemPathToFileUrl(os.path.abspath(fichier)), filtre)
            return
        if not self.document.Printer or not [p.Value for p in self.document.Printer
                                             if p.Name == "Name"][0]:
            raise RuntimeError("aucune imprimante")
        # Waiting here makes the job leave LibreOffice before the document
        # is closed.
        self.document.print((propriete("Wait", True),))

    def fermer(self):
        if self.document is not None:
            document, self.document, self.mots = self.document, None, []
            try:
                document.close(True)
            except Exception:
                document.dispose()

    def quitter(self):
        try:
            self.fermer()
            self.bureau.terminate()
        except Exception:
            pass
        try:
            self.office.wait(30)
        except subprocess.TimeoutExpired:
            self.office.kill()
            self.office.wait()


# A stopping signal ends LibreOffice and the driver at once, even while a
# call into LibreOffice is stuck: the signal wakes a thread of its own
# (Python runs its handlers only between two steps of the main thread).
def surveiller_arret(pilote_courant):
    lecture, ecriture = os.pipe()
    os.set_blocking(ecriture, False)
    signal.set_wakeup_fd(ecriture)
    for s in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        signal.signal(s, lambda *_: None)

    def arreter():
        os.read(lecture, 1)
        office = pilote_courant.get("office")
        if os.getpgrp() == os.getpid():
            # The group the program made for the driver: LibreOffice and
            # whatever it started, the driver last.
            os.killpg(os.getpgrp(), signal.SIGKILL)
        if office is not None:
            office.kill()
        os._exit(1)

    threading.Thread(target=arreter, daemon=True).start()


def main():
    courant = {}
    surveiller_arret(courant)
    try:
        pilote = Pilote(sys.argv[1], sys.argv[2], courant)
    except Exception as e:
        repondre(ok=False, erreur=str(e))
        return
    repondre(ok=True)
    for ligne in sys.stdin:
        try:
            demande = json.loads(ligne)
            op = demande["op"]
            if op == "ouvrir":
                repondre(ok=True, mots=pilote.ouvrir(demande["fichier"]))
            elif op == "ecrire":
                pilote.ecrire(demande["index"], demande["texte"])
                repondre(ok=True)
            elif op == "imprimer":
                pilote.imprimer(demande.get("fichier", ""))
                repondre(ok=True)
            elif op == "fermer":
                pilote.fermer()
                repondre(ok=True)
            elif op == "quitter":
                pilote.quitter()
                repondre(ok=True)
                return
            else:
                raise RuntimeError("demande inconnue : " + op)
        except Exception as e:
            repondre(ok=False, erreur=str(e))
    pilote.quitter()


main()
