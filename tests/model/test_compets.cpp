// SPDX-License-Identifier: GPL-3.0-or-later
// Competitions, their categories and participants: lookups, modified flags,
// copies, the import rule and the competitions section of the file.
#include "outils_compets.h"
#include "outils_modele.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace tramonta;
using namespace tramonta::test;

namespace {

const TDateTime kMaintenant = EncodeDate(2026, 7, 14) + 0.375;

// A competition that uses every field: three categories with surfers, two of
// them with a table holding places, one with a type that has no table.
std::unique_ptr<TCompet> CompetRemplie(TCompets& compets, const std::string& intitule) {
    auto c = std::make_unique<TCompet>(&compets);
    c->SetIntitule(intitule);
    c->SetDateDebut(EncodeDate(2026, 5, 2) + 0.1);
    c->SetDateFin(EncodeDate(2026, 5, 3) + 1.0 / 3.0);
    c->SetOfficielle(true);
    TCategorieCompet& open = *c->Categorie(4);
    open.Add(Surfeur(open, "Etchegaray", "Maïté", "Anglet Surf Club"));
    open.Add(Surfeur(open, "Durand", "Léo"));
    AjouterSurfeurs(open, 5);
    open.SetTypeTableau(1);
    open.Tableau()->Serie(1)->Ligne(0)->SetPlace(1);
    open.Tableau()->Serie(3)->Ligne(2)->SetPlace(4);
    TCategorieCompet& ondines = *c->Categorie(5);
    AjouterSurfeurs(ondines, 45);
    ondines.SetTypeTableau(6);
    ondines.Tableau()->Serie(31)->Ligne(3)->SetPlace(2);
    TCategorieCompet& minimes = *c->Categorie(1);
    minimes.Add(Surfeur(minimes, "Long", std::string(300, 'x')));
    minimes.SetTypeTableau(9);
    return c;
}

std::vector<std::uint8_t> Section(TCompets& compets) {
    return Ecrire([&](TWriter& w) { compets.Save(w); });
}

// --- Construction, names, lookups ------------------------------------------

TEST(CompetModele, UneCompetitionNeuveEstVideEtDateeDeMaintenant) {
    HorlogeFixe h(kMaintenant);
    TCompets compets;
    TCompet c(&compets);
    EXPECT_EQ(c.Owner(), &compets);
    EXPECT_EQ(c.Intitule(), "");
    EXPECT_EQ(c.DateDebut(), kMaintenant);
    EXPECT_EQ(c.DateFin(), kMaintenant);
    EXPECT_FALSE(c.Officielle());
    EXPECT_FALSE(c.IsModified());
    for (int i = 0; i < kNbCategoriesCompet; ++i) {
        const TCategorieCompet* cat = c.Categorie(i);
        ASSERT_NE(cat, nullptr);
        EXPECT_EQ(cat->Owner(), &c);
        EXPECT_EQ(cat->Count(), 0);
        EXPECT_EQ(cat->TypeTableau(), 0);
        EXPECT_EQ(cat->Tableau(), nullptr);
    }
    EXPECT_EQ(c.Categorie(6), nullptr);
    EXPECT_EQ(c.Categorie(-1), nullptr);
}

TEST(CompetModele, LesCategoriesOntLeurNom) {
    TCompet c, autre;
    const char* noms[] = {"Benjamins", "Minimes", "Cadets", "Juniors", "Open", "Ondines"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(TCompet::NomCategorie(i), noms[i]);
        EXPECT_EQ(c.NomDeCategorie(c.Categorie(i)), noms[i]);
        EXPECT_EQ(c.NomDeCategorie(autre.Categorie(i)), "Erreur ???");
    }
    for (int i : {-1, 6, 7})
        EXPECT_EQ(TCompet::NomCategorie(i), "Erreur ???");
    EXPECT_EQ(c.NomDeCategorie(nullptr), "Erreur ???");
}

TEST(CompetModele, LesRecherchesIgnorentLaCasseMaisPasLesBlancs) {
    TCompets compets;
    for (const char* intitule : {"Coupe d'Été", "Trophée des Vagues", "Coupe d'été"}) {
        auto c = std::make_unique<TCompet>(&compets);
        c->SetIntitule(intitule);
        compets.Add(std::move(c));
    }
    EXPECT_EQ(compets.IndexOfIntitule("COUPE D'ÉTÉ"), 0);
    EXPECT_EQ(compets.IndexOfIntitule("trophée des vagues"), 1);
    EXPECT_EQ(compets.IndexOfIntitule("Coupe d'Ete"), -1);
    EXPECT_EQ(compets.IndexOfIntitule("Coupe d'Été "), -1);
    EXPECT_EQ(compets.IndexOf(compets.Compet(2)), 2);
    EXPECT_EQ(compets.Compet(3), nullptr);

    TCategorieCompet& cat = *compets.Compet(0)->Categorie(0);
    cat.Add(Surfeur(cat, "Dupont", "Éloïse", "Biarritz"));
    cat.Add(Surfeur(cat, "Martin", "Jean"));
    EXPECT_EQ(cat.IndexOfNom("DUPONT", "éloïse"), 0);
    EXPECT_EQ(cat.IndexOfNom("martin", "JEAN"), 1);
    EXPECT_EQ(cat.IndexOfNom("Martin", "Jeanne"), -1);
    EXPECT_EQ(cat.IndexOfNom("Jean", "Martin"), -1);
    EXPECT_EQ(cat.IndexOf(cat.Participant(1)), 1);
    EXPECT_EQ(cat.Participant(2), nullptr);
    EXPECT_EQ(cat.Participant(-1), nullptr);
}

TEST(CompetModele, MoveDecaleLesAutresEtRefuseUnIndexHorsDeLaListe) {
    TCategorieCompet cat(nullptr);
    for (const char* nom : {"A", "B", "C", "D"})
        cat.Add(Surfeur(cat, nom, ""));
    auto ordre = [&] {
        std::string s;
        for (int i = 0; i < cat.Count(); ++i)
            s += cat.Participant(i)->Nom();
        return s;
    };
    cat.Move(0, 2);
    EXPECT_EQ(ordre(), "BCAD");
    cat.Move(3, 0);
    EXPECT_EQ(ordre(), "DBCA");
    EXPECT_THROW(cat.Move(1, 4), std::out_of_range);
    EXPECT_THROW(cat.Move(-1, 0), std::out_of_range);
    EXPECT_EQ(ordre(), "DBCA");
}

// --- Modified flags ------------------------------------------------------------

struct CasDrapeau {
    const char* quoi;
    std::function<void(TCompets&)> faire;
    bool modifie;
};

// Each case starts from a collection just read from a file, so every flag is
// clear, and looks at the collection's answer: a change anywhere below must
// reach it, and an operation that changes nothing must not.
TEST(CompetDrapeaux, ChaqueChangementRemonteEtUnChangementNulNon) {
    auto cat = [](TCompets& c, int i) -> TCategorieCompet& { return *c.Compet(0)->Categorie(i); };
    const CasDrapeau cas[] = {
        {"same title", [](TCompets& c) { c.Compet(0)->SetIntitule("Coupe"); }, false},
        {"title", [](TCompets& c) { c.Compet(0)->SetIntitule("coupe"); }, true},
        {"same start", [](TCompets& c) { c.Compet(0)->SetDateDebut(c.Compet(0)->DateDebut()); }, false},
        {"end", [](TCompets& c) { c.Compet(0)->SetDateFin(c.Compet(0)->DateFin() + 1e-9); }, true},
        {"official", [](TCompets& c) { c.Compet(0)->SetOfficielle(false); }, true},
        {"same name", [&](TCompets& c) { cat(c, 4).Participant(0)->SetNom("Etchegaray"); }, false},
        {"club", [&](TCompets& c) { cat(c, 4).Participant(1)->SetClub("Hossegor"); }, true},
        {"add", [&](TCompets& c) { cat(c, 0).Add(Surfeur(cat(c, 0), "X", "Y")); }, true},
        {"delete outside", [&](TCompets& c) { cat(c, 4).Delete(7); }, false},
        {"delete", [&](TCompets& c) { cat(c, 4).Delete(6); }, true},
        {"move in place", [&](TCompets& c) { cat(c, 4).Move(2, 2); }, false},
        {"move", [&](TCompets& c) { cat(c, 4).Move(2, 3); }, true},
        {"same type", [&](TCompets& c) { cat(c, 4).SetTypeTableau(1); }, false},
        {"type", [&](TCompets& c) { cat(c, 4).SetTypeTableau(2); }, true},
        {"same place", [&](TCompets& c) { cat(c, 4).Tableau()->Serie(1)->Ligne(0)->SetPlace(1); }, false},
        {"place", [&](TCompets& c) { cat(c, 5).Tableau()->Serie(2)->Ligne(0)->SetPlace(3); }, true},
        {"placement",
         [&](TCompets& c) {
             cat(c, 4).Tableau()->PlacerParticipants();
             cat(c, 4).Tableau()->Propager();
         },
         false},
        {"delete compet outside", [](TCompets& c) { c.Delete(1); }, false},
        {"delete compet", [](TCompets& c) { c.Delete(0); }, true},
        {"add compet", [](TCompets& c) { c.Add(std::make_unique<TCompet>(&c)); }, true},
    };
    TCompets source;
    source.Add(CompetRemplie(source, "Coupe"));
    const auto octets = Section(source);
    EXPECT_FALSE(source.IsModified());
    for (const CasDrapeau& c : cas) {
        TCompets compets;
        Lire(octets, [&](TReader& r) { compets.Load(r); });
        ASSERT_FALSE(compets.IsModified()) << c.quoi;
        c.faire(compets);
        EXPECT_EQ(compets.IsModified(), c.modifie) << c.quoi;
        Section(compets);
        EXPECT_FALSE(compets.IsModified()) << c.quoi << ": saving clears every flag";
    }
}

TEST(CompetDrapeaux, ClearVideToutEtEfface) {
    HorlogeFixe h(kMaintenant);
    TCompets compets;
    compets.Add(CompetRemplie(compets, "Coupe"));
    TCompet& c = *compets.Compet(0);
    c.Clear();
    EXPECT_FALSE(c.IsModified());
    EXPECT_EQ(c.Intitule(), "");
    EXPECT_EQ(c.DateDebut(), kMaintenant);
    EXPECT_FALSE(c.Officielle());
    EXPECT_EQ(c.Categorie(4)->Count(), 0);
    EXPECT_EQ(c.Categorie(4)->TypeTableau(), 0);
    EXPECT_EQ(c.Categorie(4)->Tableau(), nullptr);
    EXPECT_TRUE(compets.IsModified()); // the collection's own flag, from Add
    compets.Clear();
    EXPECT_EQ(compets.Count(), 0);
    EXPECT_FALSE(compets.IsModified());
}

TEST(CompetModele, ChangerDeTypeJetteLesPlacesGarderLeTypeLesGarde) {
    TCategorieCompet cat(nullptr);
    cat.SetTypeTableau(1);
    TTableauCompet* t = cat.Tableau();
    t->Serie(1)->Ligne(0)->SetPlace(2);
    cat.SetTypeTableau(1);
    EXPECT_EQ(cat.Tableau(), t);
    EXPECT_EQ(t->Serie(1)->Ligne(0)->Place(), 2);
    cat.SetTypeTableau(2);
    ASSERT_NE(dynamic_cast<TTableau_9_12*>(cat.Tableau()), nullptr);
    EXPECT_EQ(cat.Tableau()->Owner(), &cat);
    EXPECT_EQ(cat.Tableau()->Serie(1)->Ligne(0)->Place(), -1);
    cat.SetTypeTableau(1);
    EXPECT_EQ(cat.Tableau()->Serie(1)->Ligne(0)->Place(), -1);
    cat.SetTypeTableau(7);
    EXPECT_EQ(cat.TypeTableau(), 7);
    EXPECT_EQ(cat.Tableau(), nullptr);
    cat.SetTypeTableau(0);
    EXPECT_EQ(cat.Tableau(), nullptr);
}

// --- Copies and import ---------------------------------------------------------

TEST(CompetCopie, LaCopieEstProfondeEtGardeLEtatModifie) {
    TCompets compets, autres;
    for (bool modifie : {true, false}) {
        auto source = CompetRemplie(compets, "Coupe");
        if (!modifie)
            Ecrire([&](TWriter& w) { source->Save(w); });
        const auto copie = source->Copie(&autres);
        EXPECT_EQ(copie->Owner(), &autres);
        EXPECT_EQ(copie->IsModified(), modifie);
        EXPECT_EQ(Ecrire([&](TWriter& w) { copie->Save(w); }), Ecrire([&](TWriter& w) { source->Save(w); }));
        for (int i = 0; i < kNbCategoriesCompet; ++i) {
            const TCategorieCompet& c = *copie->Categorie(i);
            EXPECT_NE(&c, source->Categorie(i));
            EXPECT_EQ(c.Owner(), copie.get());
            for (int p = 0; p < c.Count(); ++p) {
                EXPECT_EQ(c.Participant(p)->Owner(), &c);
                EXPECT_NE(c.Participant(p), source->Categorie(i)->Participant(p));
            }
            if (c.Tableau()) {
                EXPECT_EQ(c.Tableau()->Owner(), &c);
                EXPECT_EQ(c.Tableau()->TypeTableau(), c.TypeTableau());
            }
        }
        // The copy lives on its own.
        copie->Categorie(4)->Tableau()->Serie(1)->Ligne(0)->SetPlace(3);
        EXPECT_EQ(source->Categorie(4)->Tableau()->Serie(1)->Ligne(0)->Place(), 1);
    }
}

TEST(CompetCopie, AssignRemplaceLesParticipantsEtLeTableau) {
    TCompets compets;
    auto source = CompetRemplie(compets, "Coupe");
    TCompet cible;
    TCategorieCompet& c = *cible.Categorie(4);
    c.Add(Surfeur(c, "Ancien", "Surfeur"));
    c.SetTypeTableau(6);
    c.Assign(*source->Categorie(4), &cible);
    ASSERT_EQ(c.Count(), 7);
    EXPECT_EQ(c.Participant(0)->Prenom(), "Maïté");
    EXPECT_EQ(c.TypeTableau(), 1);
    ASSERT_NE(dynamic_cast<TTableau_0_10*>(c.Tableau()), nullptr);
    EXPECT_EQ(c.Tableau()->Serie(3)->Ligne(2)->Place(), 4);
    EXPECT_TRUE(c.IsModified());
    c.Assign(*source->Categorie(0), &cible);
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.Tableau(), nullptr);
}

// A form hands back its edited copy and the page assigns it: the list hears
// of each field that differs, on the competition's own row, and of nothing
// when the copy was only looked at; the categories come whole, and the
// competition keeps its place and owner.
TEST(CompetCopie, AssignDUneCopieNeSignaleQueCeQuiDiffere) {
    struct Cas {
        const char* nom;
        std::function<void(TCompet&)> edition;
        std::vector<int> lignes; // rows told "changed"
    };
    const Cas cas[] = {
        {"looked at", [](TCompet&) {}, {}},
        {"title", [](TCompet& c) { c.SetIntitule("Coupe d'hiver"); }, {1}},
        {"title and end",
         [](TCompet& c) {
             c.SetIntitule("Coupe d'hiver");
             c.SetDateFin(c.DateFin() + 1);
         },
         {1, 1}},
        {"participant", [](TCompet& c) { c.Categorie(4)->Participant(0)->SetClub("Hossegor"); }, {}},
        {"place", [](TCompet& c) { c.Categorie(4)->Tableau()->Serie(1)->Ligne(0)->SetPlace(2); }, {}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        TCompets compets;
        compets.Add(CompetRemplie(compets, "Coupe de printemps"));
        compets.Add(CompetRemplie(compets, "Coupe"));
        TCompet& cible = *compets.Compet(1);
        const auto copie = cible.Copie(&compets);
        k.edition(*copie);
        std::vector<int> lignes;
        const TAbonnement abonnement = compets.Changements().Abonner([&](const TChangement& c) {
            EXPECT_EQ(c.genre, TChangement::Modification);
            lignes.push_back(c.index);
        });
        cible.Assign(*copie);
        EXPECT_EQ(lignes, k.lignes);
        EXPECT_EQ(cible.Owner(), &compets);
        EXPECT_EQ(compets.IndexOf(&cible), 1);
        EXPECT_EQ(Ecrire([&](TWriter& w) { cible.Save(w); }), Ecrire([&](TWriter& w) { copie->Save(w); }));
        for (int i = 0; i < kNbCategoriesCompet; ++i) {
            EXPECT_NE(cible.Categorie(i), copie->Categorie(i));
            EXPECT_EQ(cible.Categorie(i)->Owner(), &cible);
        }
    }
}

TEST(CompetImport, UnIntituleConnuEstSignaleLesAutresSontCopies) {
    TExercice cible, source;
    auto existante = std::make_unique<TCompet>(&cible.Compets());
    existante->SetIntitule("Coupe d'Automne");
    cible.Compets().Add(std::move(existante));
    source.Compets().Add(CompetRemplie(source.Compets(), "COUPE D'AUTOMNE"));
    source.Compets().Add(CompetRemplie(source.Compets(), "Trophée"));
    Ecrire([&](TWriter& w) { cible.Save(w); });
    ASSERT_FALSE(cible.IsModified());

    std::vector<std::string> rapport;
    for (int i = 0; i < source.Compets().Count(); ++i)
        EXPECT_TRUE(cible.Compets().ImportCompet(*source.Compets().Compet(i), rapport));
    EXPECT_EQ(rapport, std::vector<std::string>{"Impossible d'importer la compétition \"COUPE D'AUTOMNE\" ! "
                                                "Cette compétition existe déjà."});
    ASSERT_EQ(cible.Compets().Count(), 2);
    EXPECT_EQ(cible.Compets().Compet(0)->Categorie(4)->Count(), 0);
    const TCompet& importee = *cible.Compets().Compet(1);
    EXPECT_EQ(importee.Intitule(), "Trophée");
    EXPECT_EQ(importee.Owner(), &cible.Compets());
    EXPECT_EQ(importee.Categorie(5)->Count(), 45);
    EXPECT_EQ(importee.Categorie(5)->Tableau()->Serie(31)->Ligne(3)->Place(), 2);
    EXPECT_TRUE(cible.IsModified());
}

// --- The file section ----------------------------------------------------------

// The bytes of one competition, written value by value as the file lays them.
void EcrireCompetAttendue(TWriter& w, int version, int nbCategories) {
    w.WriteInteger(version);
    w.WriteString("Coupe");
    w.WriteFloat(45000.25);
    w.WriteFloat(45001.0);
    w.WriteBoolean(false);
    for (int i = 0; i < nbCategories; ++i) {
        w.WriteInteger(1);
        w.WriteListBegin();
        if (i == 2) {
            w.WriteInteger(1);
            w.WriteString("Dupont");
            w.WriteString("Éloïse");
            w.WriteString("");
        }
        w.WriteListEnd();
        w.WriteInteger(i == 2 ? 1 : 0);
        if (i == 2) { // the results of the template of type 1: 5 + 5 + 4 lines
            w.WriteInteger(2);
            for (int heats : {2, 1}) {
                w.WriteInteger(2);
                for (int s = 0; s < heats; ++s) {
                    w.WriteInteger(2);
                    for (int l = 0; l < (heats == 2 ? 5 : 4); ++l) {
                        w.WriteInteger(2);
                        w.WriteInteger(heats == 2 && s == 0 && l == 0 ? 1 : -1);
                        w.WriteInteger(heats == 1 && l == 3 ? 2 : -1);
                    }
                }
            }
        }
    }
}

std::vector<std::uint8_t> SectionAttendue(int versionCompet, int nbCategories) {
    return Ecrire([&](TWriter& w) {
        w.WriteInteger(1);
        w.WriteListBegin();
        EcrireCompetAttendue(w, versionCompet, nbCategories);
        w.WriteListEnd();
    });
}

TEST(CompetFichier, LaSectionSuitLOrdreDesValeurs) {
    TCompets compets;
    auto c = std::make_unique<TCompet>(&compets);
    c->SetIntitule("Coupe");
    c->SetDateDebut(45000.25);
    c->SetDateFin(45001.0);
    TCategorieCompet& cadets = *c->Categorie(2);
    cadets.Add(Surfeur(cadets, "Dupont", "Éloïse"));
    cadets.SetTypeTableau(1);
    cadets.Tableau()->Serie(1)->Ligne(0)->SetParticipant(1);
    cadets.Tableau()->Serie(3)->Ligne(3)->SetPlace(2);
    compets.Add(std::move(c));
    EXPECT_EQ(Section(compets), SectionAttendue(2, 6));
    TCompets vide;
    EXPECT_EQ(Section(vide), Ecrire([](TWriter& w) {
                  w.WriteInteger(1);
                  w.WriteListBegin();
                  w.WriteListEnd();
              }));
}

TEST(CompetFichier, UneCompetitionDeVersion1NAPasDOndines) {
    TCompets compets;
    Lire(SectionAttendue(1, 5), [&](TReader& r) { compets.Load(r); });
    ASSERT_EQ(compets.Count(), 1);
    const TCompet& c = *compets.Compet(0);
    EXPECT_EQ(c.Intitule(), "Coupe");
    EXPECT_EQ(c.DateDebut(), 45000.25);
    EXPECT_EQ(c.Categorie(2)->Participant(0)->Prenom(), "Éloïse");
    EXPECT_EQ(c.Categorie(2)->Tableau()->Serie(3)->Ligne(3)->Place(), 2);
    EXPECT_EQ(c.Categorie(5)->Count(), 0);
    EXPECT_EQ(c.Categorie(5)->Tableau(), nullptr);
    EXPECT_FALSE(compets.IsModified());
    EXPECT_EQ(Section(compets), SectionAttendue(2, 6));
}

TEST(CompetFichier, LaLectureAjouteALaCollection) {
    TCompets compets;
    compets.Add(std::make_unique<TCompet>(&compets));
    Lire(SectionAttendue(2, 6), [&](TReader& r) { compets.Load(r); });
    EXPECT_EQ(compets.Count(), 2);
    EXPECT_EQ(compets.Compet(1)->Owner(), &compets);
    EXPECT_FALSE(compets.IsModified());
}

// The type is one byte in memory: a stored 262 is type 6, and a value whose
// low byte is outside 1..6 has no table and nothing more to read.
TEST(CompetFichier, LeTypeNeGardeQueSesHuitBits) {
    struct Cas {
        std::int32_t stocke;
        std::uint8_t type;
    } cas[] = {{262, 6}, {257, 1}, {-250, 6}, {256, 0}, {7, 7}, {-1, 255}, {1000, 232}};
    for (const Cas& c : cas) {
        const auto octets = Ecrire([&](TWriter& w) {
            w.WriteInteger(1);
            w.WriteListBegin();
            w.WriteListEnd();
            w.WriteInteger(c.stocke);
            if (const auto modele = CreerTableau(c.type, nullptr))
                modele->Save(w);
            w.WriteString("suite");
        });
        TCategorieCompet cat(nullptr);
        std::string suite;
        Lire(octets, [&](TReader& r) {
            cat.Load(r);
            suite = r.ReadString();
        });
        EXPECT_EQ(cat.TypeTableau(), c.type) << c.stocke;
        EXPECT_EQ(cat.Tableau() != nullptr, c.type >= 1 && c.type <= 6) << c.stocke;
        if (cat.Tableau()) {
            EXPECT_EQ(cat.Tableau()->TypeTableau(), c.type);
        }
        EXPECT_EQ(suite, "suite") << c.stocke;
    }
}

TEST(CompetFichier, EnregistrerRelireEnregistrerDonneLesMemesOctets) {
    TCompets compets;
    compets.Add(CompetRemplie(compets, "Coupe d'Été"));
    auto vide = std::make_unique<TCompet>(&compets);
    vide->SetDateDebut(0.0);
    vide->SetDateFin(std::numeric_limits<double>::quiet_NaN());
    compets.Add(std::move(vide));
    const auto premier = Section(compets);

    TCompets relues;
    Lire(premier, [&](TReader& r) { relues.Load(r); });
    EXPECT_FALSE(relues.IsModified());
    ASSERT_EQ(relues.Count(), 2);
    const TCompet& c = *relues.Compet(0);
    EXPECT_EQ(c.Intitule(), "Coupe d'Été");
    EXPECT_EQ(c.DateDebut(), EncodeDate(2026, 5, 2) + 0.1);
    EXPECT_EQ(c.DateFin(), EncodeDate(2026, 5, 3) + 1.0 / 3.0);
    EXPECT_TRUE(c.Officielle());
    EXPECT_EQ(c.Categorie(4)->Participant(0)->Club(), "Anglet Surf Club");
    EXPECT_EQ(c.Categorie(4)->Count(), 7);
    EXPECT_EQ(c.Categorie(1)->Participant(0)->Prenom(), std::string(300, 'x'));
    EXPECT_EQ(c.Categorie(1)->TypeTableau(), 9);
    EXPECT_EQ(c.Categorie(5)->Tableau()->Serie(31)->Ligne(3)->Place(), 2);
    EXPECT_TRUE(std::isnan(relues.Compet(1)->DateFin()));
    EXPECT_EQ(Section(relues), premier);
}

// A cut anywhere and bytes changed anywhere: a read error or a section that
// writes back the way it reads, never a crash.
TEST(CompetFichier, UneSectionCoupeeOuAbimeeDonneUneErreurDeLecture) {
    TCompets source;
    source.Add(CompetRemplie(source, "Coupe"));
    // A lighter Ondines category keeps the loop short; every kind of record
    // is still there.
    TCategorieCompet& ondines = *source.Compet(0)->Categorie(5);
    ondines.SetTypeTableau(2);
    while (ondines.Count() > 3)
        ondines.Delete(0);
    const auto octets = Section(source);
    for (std::size_t n = 0; n < octets.size(); ++n) {
        const std::vector<std::uint8_t> coupe(octets.begin(),
                                              octets.begin() + static_cast<std::ptrdiff_t>(n));
        TCompets c;
        EXPECT_THROW(Lire(coupe, [&](TReader& r) { c.Load(r); }), EReadError) << n;
    }
    for (std::size_t n = 0; n < octets.size(); ++n)
        for (std::uint8_t valeur : {0x00, 0x01, 0x0C, 0xFF}) {
            auto abime = octets;
            abime[n] = valeur;
            TCompets c;
            try {
                Lire(abime, [&](TReader& r) { c.Load(r); });
            } catch (const EReadError&) {
                continue;
            }
            const auto premier = Section(c);
            TCompets relues;
            Lire(premier, [&](TReader& r) { relues.Load(r); });
            EXPECT_EQ(Section(relues), premier) << n << " " << int{valeur};
        }
}

// A competitions section up to the opening of its first category's
// participant list.
void DebutPremiereCategorie(TWriter& w) {
    w.WriteInteger(1);
    w.WriteListBegin();
    w.WriteInteger(2);
    w.WriteString("C");
    w.WriteFloat(0);
    w.WriteFloat(0);
    w.WriteBoolean(false);
    w.WriteInteger(1);
    w.WriteListBegin();
}

TEST(CompetFichier, UneListeSansFinOuUneLongueurAbsurdeSontRefusees) {
    const std::vector<std::vector<std::uint8_t>> cas = {
        // a participant list that runs to the end of the bytes
        Ecrire([](TWriter& w) {
            DebutPremiereCategorie(w);
            for (int i = 0; i < 1000; ++i) {
                w.WriteInteger(1);
                w.WriteString("a");
                w.WriteString("b");
                w.WriteString("c");
            }
        }),
        // a long string that claims two gigabytes
        {0x02, 0x01, 0x01, 0x02, 0x02, 0x0C, 0xFF, 0xFF, 0xFF, 0x7F, 'x'},
        // an old table whose lists never close
        Ecrire([](TWriter& w) {
            DebutPremiereCategorie(w);
            w.WriteListEnd();
            w.WriteInteger(3);
            w.WriteInteger(1);
            w.WriteListBegin();
            for (int i = 0; i < 500; ++i) {
                w.WriteInteger(1);
                w.WriteListBegin();
            }
        }),
    };
    for (const auto& octets : cas) {
        TCompets c;
        EXPECT_THROW(Lire(octets, [&](TReader& r) { c.Load(r); }), EReadError);
    }
}

TEST(CompetFichier, LeDocumentPorteSesCompetitions) {
    TExercice e;
    e.Compets().Add(CompetRemplie(e.Compets(), "Coupe"));
    const auto octets = OctetsDuDocument(e);
    TExercice relu;
    Charger(relu, octets);
    ASSERT_EQ(relu.Compets().Count(), 1);
    EXPECT_EQ(relu.Compets().Compet(0)->Categorie(4)->Count(), 7);
    EXPECT_FALSE(relu.IsModified());
    EXPECT_EQ(OctetsDuDocument(relu), octets);
}

} // namespace
