#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# mesurer_demarrage.sh [DOSSIER_DE_CONSTRUCTION] [TOURS]
#
# Measures how long Tramonta takes to start, until its main window is on the
# screen and answers (its event loop runs), under a private Xvfb server, on
# the demonstration season and on a large one (20 000 members, 500 accounts
# holding 100 000 lines, 20 000 journal lines, about 8 MB, written here by
# tramonta-cli from a generated JSON), against a bare Qt window built beside
# it (tramonta-fenetre-nue: a QMainWindow and a label). Both programs write
# the time at which their window answered (TRAMONTA_MESURE_DEMARRAGE) and
# close it.
#
# The runs take turns, so that a busy machine weighs on all three alike; the
# medians are printed with their ratios, in wall time from the launch and in
# the processor time that the process used until then (steadier on a shared
# machine). The settings and
# data folders are temporary: the user's own are never touched. A first run
# of each is not counted (Tramonta's first start registers its file type).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
construction="${1:-${TRAMONTA_BUILD:-$racine/build}}"
tours="${2:-9}"

for f in app/tramonta app/tramonta-fenetre-nue cli/tramonta-cli; do
  [ -x "$construction/$f" ] || {
    echo "Introuvable : $construction/$f (construire d'abord)" >&2
    exit 1
  }
done
command -v xvfb-run >/dev/null || {
  echo "xvfb-run introuvable (paquet xvfb)" >&2
  exit 1
}

temp="$(mktemp -d)"
trap 'rm -rf "$temp"' EXIT
mkdir -p "$temp/home" "$temp/config" "$temp/data" "$temp/cache"

# The large season, from a JSON that tramonta-cli turns into a document.
python3 - "$temp/grande.json" <<'EOF'
import json, sys
adherents = [{
    "Nom": "NOM%05d" % i, "Prenom": "Prénom%d" % i, "Sexe": "M" if i % 2 else "F",
    "DateNaissance": 30000.0 + i % 9000, "Adresse": "12 avenue de la Plage\r\n64200 Biarritz",
    "CodePostal": 64200, "Ville": "Biarritz", "Tel1": "05.59.24.00.00",
    "NumeroLicence": "FFS-26-%05d" % i, "MontantLicence": 45.5,
} for i in range(20000)]
comptes = [{
    "Article": str(600 + k), "Intitule": "Compte %d" % k,
    "Lignes": [{"Libelle": "Licence de NOM%05d" % (k * 200 + l), "Date": 46000 + l * 0.37,
                "NumeroCheque": str(1000000 + l), "Montant": l * 1.25, "TypePaiement": l % 3}
               for l in range(200)],
} for k in range(500)]
agenda = [{"Texte": "Modification de l'adhérent \"NOM%05d\"" % i, "DateHeure": 46000 + i / 100.0,
           "Utilisateur": "tresorier"} for i in range(20000)]
saison = {"Intitule": "Grande saison", "Adherents": adherents,
          "Comptabilite": {"Charges": comptes[1::2], "Produits": comptes[0::2]}, "Agenda": agenda}
json.dump(saison, open(sys.argv[1], "w"), ensure_ascii=False)
EOF
"$construction/cli/tramonta-cli" create "$temp/grande.json" "$temp/grande.trm" >/dev/null
demo="$temp/saison-demo.trm"
"$construction/cli/tramonta-cli" create "$racine/exemples/saison-demo.json" "$demo" >/dev/null

export HOME="$temp/home" XDG_CONFIG_HOME="$temp/config" XDG_DATA_HOME="$temp/data" XDG_CACHE_HOME="$temp/cache"
export QT_QPA_PLATFORM=xcb TRAMONTA_MESURE_DEMARRAGE=1
echo "Grande saison : $(($(stat -c %s "$temp/grande.trm") / 1024)) Kio ; $tours tours"

xvfb-run -a -s "-screen 0 1280x1024x24" python3 - "$construction" "$tours" "$demo" "$temp/grande.trm" <<'EOF'
import statistics, subprocess, sys, time
construction, tours, demo, grande = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
programmes = {
    "fenêtre Qt nue": [construction + "/app/tramonta-fenetre-nue"],
    "Tramonta, saison de démonstration": [construction + "/app/tramonta", demo],
    "Tramonta, grande saison": [construction + "/app/tramonta", grande],
}

def lancer(commande):
    debut = time.time_ns()
    r = subprocess.run(commande, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, timeout=120)
    valeurs = r.stdout.split()
    if r.returncode != 0 or len(valeurs) < 2:
        sys.exit("échec de la mesure : %s (code %d)" % (" ".join(commande), r.returncode))
    return (int(valeurs[-2]) - debut) / 1e6, int(valeurs[-1]) / 1e6

for commande in programmes.values():
    lancer(commande)
mesures = {nom: [] for nom in programmes}
for _ in range(tours):
    for nom, commande in programmes.items():
        mesures[nom].append(lancer(commande))

medianes = {nom: (statistics.median(m[0] for m in v), statistics.median(m[1] for m in v))
            for nom, v in mesures.items()}
for nom, (mur, cpu) in medianes.items():
    print("%-36s %7.1f ms (processeur : %7.1f ms)" % (nom, mur, cpu))
nue, petite, grande = (medianes[n] for n in programmes)
print("Démarrage / fenêtre nue          : %.2f× (processeur : %.2f×)" % (petite[0] / nue[0], petite[1] / nue[1]))
print("Grande saison / démonstration    : %.2f× (processeur : %.2f×)" % (grande[0] / petite[0], grande[1] / petite[1]))
EOF
