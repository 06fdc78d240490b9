// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/flux.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace tramonta;

namespace {

std::vector<std::uint8_t> Ecrire(const std::function<void(TWriter&)>& f, std::size_t tampon = 4096) {
    TMemoryStream flux;
    {
        TWriter w(flux, tampon);
        f(w);
    }
    return flux.Donnees();
}

using Octets = std::vector<std::uint8_t>;

struct CasEntier {
    std::int32_t valeur;
    Octets octets;
};

class EntierTest : public testing::TestWithParam<CasEntier> {};

TEST_P(EntierTest, EcritLaLargeurLaPlusEtroiteEtRelitLaValeur) {
    const auto& cas = GetParam();
    const Octets o = Ecrire([&](TWriter& w) { w.WriteInteger(cas.valeur); });
    EXPECT_EQ(o, cas.octets);
    TMemoryStream flux(o);
    TReader r(flux);
    EXPECT_EQ(r.ReadInteger(), cas.valeur);
}

INSTANTIATE_TEST_SUITE_P(
    Largeurs, EntierTest,
    testing::Values(CasEntier{5, {2, 5}}, CasEntier{200, {3, 0xC8, 0}}, CasEntier{-1, {2, 0xFF}},
                    CasEntier{40000, {4, 0x40, 0x9C, 0, 0}}, CasEntier{-128, {2, 0x80}},
                    CasEntier{127, {2, 0x7F}}, CasEntier{-129, {3, 0x7F, 0xFF}}, CasEntier{128, {3, 0x80, 0}},
                    CasEntier{-32768, {3, 0x00, 0x80}}, CasEntier{32767, {3, 0xFF, 0x7F}},
                    CasEntier{-32769, {4, 0xFF, 0x7F, 0xFF, 0xFF}}, CasEntier{32768, {4, 0x00, 0x80, 0, 0}},
                    CasEntier{std::numeric_limits<std::int32_t>::min(), {4, 0, 0, 0, 0x80}},
                    CasEntier{std::numeric_limits<std::int32_t>::max(), {4, 0xFF, 0xFF, 0xFF, 0x7F}}));

} // namespace

namespace {

Octets OctetsDe(std::initializer_list<int> valeurs) {
    Octets o;
    for (int v : valeurs)
        o.push_back(static_cast<std::uint8_t>(v));
    return o;
}

template <class F> std::string MessageDe(F&& f) {
    try {
        f();
    } catch (const EStreamError& e) {
        return e.what();
    }
    return "aucune exception";
}

TEST(Chaines, LaFormeCourteVaJusqua255OctetsWindows1252) {
    const std::string courte(255, 'a');
    const Octets o255 = Ecrire([&](TWriter& w) { w.WriteString(courte); });
    ASSERT_EQ(o255.size(), 257u);
    EXPECT_EQ(o255[0], 6);
    EXPECT_EQ(o255[1], 255);

    const Octets o256 = Ecrire([&](TWriter& w) { w.WriteString(courte + "b"); });
    ASSERT_EQ(o256.size(), 261u);
    EXPECT_EQ(Octets(o256.begin(), o256.begin() + 5), OctetsDe({12, 0x00, 0x01, 0x00, 0x00}));

    EXPECT_EQ(Ecrire([](TWriter& w) { w.WriteString(""); }), OctetsDe({6, 0}));
}

TEST(Chaines, LaLongueurCompteLesOctetsDuFichierEtNonCeuxDeLUtf8) {
    // 200 "é" take 400 bytes of UTF-8 but 200 in the file: still the short form.
    std::string texte;
    for (int i = 0; i < 200; ++i)
        texte += "é";
    const Octets o = Ecrire([&](TWriter& w) { w.WriteString(texte); });
    ASSERT_EQ(o.size(), 202u);
    EXPECT_EQ(o[1], 200);
    EXPECT_EQ(o[2], 0xE9);
    TMemoryStream flux(o);
    TReader r(flux);
    EXPECT_EQ(r.ReadString(), texte);
}

TEST(Chaines, UnCaractereHorsWindows1252SEcritPointDInterrogation) {
    EXPECT_EQ(Ecrire([](TWriter& w) { w.WriteString("a€→b"); }), OctetsDe({6, 4, 'a', 0x80, '?', 'b'}));
}

TEST(Chaines, LeLecteurAccepteLaFormeLongueMemeCourte) {
    TMemoryStream flux(OctetsDe({12, 2, 0, 0, 0, 'o', 'k', 6, 0}));
    TReader r(flux);
    EXPECT_EQ(r.ReadString(), "ok");
    EXPECT_EQ(r.ReadString(), "");
}

struct CasLongueurCorrompue {
    const char* nom;
    Octets octets;
};

class LongueurCorrompue : public testing::TestWithParam<CasLongueurCorrompue> {};

TEST_P(LongueurCorrompue, EstUneErreurDeLectureAvantToutTableau) {
    TMemoryStream flux(GetParam().octets);
    TReader r(flux);
    EXPECT_EQ(MessageDe([&] { r.ReadString(); }), kErreurLectureFlux);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, LongueurCorrompue,
    testing::Values(CasLongueurCorrompue{"negative", OctetsDe({12, 0xFF, 0xFF, 0xFF, 0xFF, 'a'})},
                    CasLongueurCorrompue{"enorme", OctetsDe({12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'})},
                    CasLongueurCorrompue{"un_de_trop", OctetsDe({12, 3, 1, 0, 0, 'a', 'b'})}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Lecture, UnEntierEcritLaOuUnReelEstAttenduSeLitCommeCeNombre) {
    TMemoryStream flux(OctetsDe({2, 7, 3, 0x18, 0xFC}));
    TReader r(flux);
    EXPECT_EQ(r.ReadFloat(), 7.0);
    EXPECT_EQ(r.ReadFloat(), -1000.0);
}

struct CasTagRefuse {
    const char* nom;
    Octets octets;
    std::function<void(TReader&)> lire;
};

class TagRefuse : public testing::TestWithParam<CasTagRefuse> {};

TEST_P(TagRefuse, DonneValeurDeProprieteIncorrecte) {
    TMemoryStream flux(GetParam().octets);
    TReader r(flux);
    EXPECT_EQ(MessageDe([&] { GetParam().lire(r); }), kValeurIncorrecte);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, TagRefuse,
    testing::Values(CasTagRefuse{"entier_sur_reel", OctetsDe({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}),
                                 [](TReader& r) { r.ReadInteger(); }},
                    CasTagRefuse{"chaine_sur_entier", OctetsDe({2, 1}), [](TReader& r) { r.ReadString(); }},
                    CasTagRefuse{"reel_sur_chaine", OctetsDe({6, 0}), [](TReader& r) { r.ReadFloat(); }},
                    CasTagRefuse{"debut_de_liste", OctetsDe({0}), [](TReader& r) { r.ReadListBegin(); }},
                    CasTagRefuse{"fin_de_liste", OctetsDe({1}), [](TReader& r) { r.ReadListEnd(); }}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Lecture, UnBooleenLitNImporteQuelOctetSansErreur) {
    TMemoryStream flux(OctetsDe({9, 8, 2, 7}));
    TReader r(flux);
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_FALSE(r.ReadBoolean());
    EXPECT_FALSE(r.ReadBoolean()); // a tag 2 with no payload consumed
    EXPECT_FALSE(r.ReadBoolean());
}

TEST(Lecture, EndOfListNeConsommePas) {
    TMemoryStream flux(OctetsDe({1, 0}));
    TReader r(flux);
    r.ReadListBegin();
    EXPECT_TRUE(r.EndOfList());
    EXPECT_TRUE(r.EndOfList());
    r.ReadListEnd();
    EXPECT_EQ(MessageDe([&] { r.EndOfList(); }), kErreurLectureFlux);
}

TEST(Lecture, UnFichierCoupeDansUneValeurEchoueALaPremiereLectureQuiManque) {
    const Octets complet = Ecrire([](TWriter& w) {
        w.WriteInteger(40000);
        w.WriteString("bonjour");
        w.WriteFloat(3.5);
    });
    for (std::size_t n = 0; n < complet.size(); ++n) {
        TMemoryStream flux(Octets(complet.begin(), complet.begin() + static_cast<long>(n)));
        TReader r(flux, 3);
        const std::string m = MessageDe([&] {
            r.ReadInteger();
            r.ReadString();
            r.ReadFloat();
        });
        EXPECT_EQ(m, kErreurLectureFlux) << "coupé à " << n;
    }
}

TEST(Tampon, LaTailleDuTamponNeChangePasLesOctets) {
    auto valeurs = [](TWriter& w) {
        for (int i = 0; i < 3000; ++i) {
            w.WriteInteger(i * 37 - 50000);
            w.WriteString(std::string(static_cast<std::size_t>(i % 300), static_cast<char>('a' + i % 26)));
            w.WriteFloat(i / 7.0);
            w.WriteBoolean(i % 2 == 0);
        }
    };
    const Octets reference = Ecrire(valeurs, 1 << 24);
    ASSERT_GT(reference.size(), 4096u * 10);
    for (std::size_t taille : {1u, 7u, 4096u})
        EXPECT_EQ(Ecrire(valeurs, taille), reference) << "tampon de " << taille;

    for (std::size_t taille : {1u, 5u, 4096u}) {
        TMemoryStream flux(reference);
        TReader r(flux, taille);
        for (int i = 0; i < 3000; ++i) {
            ASSERT_EQ(r.ReadInteger(), i * 37 - 50000);
            ASSERT_EQ(r.ReadString().size(), static_cast<std::size_t>(i % 300));
            ASSERT_EQ(r.ReadFloat(), i / 7.0);
            ASSERT_EQ(r.ReadBoolean(), i % 2 == 0);
        }
    }
}

// A stream that counts how often it is asked, to check that values are
// gathered in the buffer rather than written one by one.
class FluxCompteur : public TMemoryStream {
  public:
    using TMemoryStream::TMemoryStream;
    std::size_t Read(void* t, std::size_t n) override {
        ++lectures;
        return TMemoryStream::Read(t, n);
    }
    std::size_t Write(const void* t, std::size_t n) override {
        ++ecritures;
        return TMemoryStream::Write(t, n);
    }
    int lectures = 0;
    int ecritures = 0;
};

TEST(Tampon, LeFluxNEstToucheQuUneFoisPar4096Octets) {
    FluxCompteur flux;
    {
        TWriter w(flux);
        for (int i = 0; i < 10000; ++i)
            w.WriteInteger(i); // 2 or 3 bytes each: about 29 000 bytes
    }
    const auto taille = flux.Donnees().size();
    EXPECT_EQ(flux.ecritures, static_cast<int>((taille + 4095) / 4096));

    FluxCompteur lecture(flux.Donnees());
    {
        TReader r(lecture);
        for (int i = 0; i < 10000; ++i)
            r.ReadInteger();
    }
    EXPECT_EQ(lecture.lectures, static_cast<int>((taille + 4095) / 4096));
}

TEST(Lecture, LaDestructionRemetLeFluxDerriereLaDerniereValeurLue) {
    TMemoryStream flux(OctetsDe({2, 1, 2, 2, 2, 3}));
    {
        TReader r(flux);
        r.ReadInteger();
    }
    EXPECT_EQ(flux.Position(), 2);
}

// The reader over bytes kept elsewhere (a file read whole) reads them where
// they lie: the same values as through a buffer, the same error where the
// bytes are cut short, and the view left behind the last value read.
TEST(Lecture, SurUneVueLesOctetsSeLisentCommeParLeTampon) {
    const Octets complet = Ecrire([](TWriter& w) {
        for (int i = 0; i < 500; ++i) {
            w.WriteInteger(i * 37 - 5000);
            w.WriteString(std::string(static_cast<std::size_t>(i % 300), static_cast<char>('a' + i % 26)));
            w.WriteFloat(i / 7.0);
        }
    });
    const std::string_view tout(reinterpret_cast<const char*>(complet.data()), complet.size());
    for (std::size_t n : {complet.size(), complet.size() - 1, complet.size() / 2, std::size_t{0}}) {
        TVueOctets vue(tout.substr(0, n));
        int lues = 0;
        const std::string m = MessageDe([&] {
            TReader r(vue);
            for (; lues < 500; ++lues) {
                ASSERT_EQ(r.ReadInteger(), lues * 37 - 5000);
                ASSERT_EQ(r.ReadString().size(), static_cast<std::size_t>(lues % 300));
                ASSERT_EQ(r.ReadFloat(), lues / 7.0);
            }
        });
        EXPECT_EQ(m, n == complet.size() ? "aucune exception" : kErreurLectureFlux) << "coupé à " << n;
        EXPECT_EQ(lues == 500, n == complet.size()) << "coupé à " << n;
    }

    // A view of nothing at all (no bytes, not even a place for them).
    TVueOctets rien{std::string_view()};
    EXPECT_EQ(MessageDe([&] { TReader(rien).ReadInteger(); }), kErreurLectureFlux);

    TVueOctets vue(tout);
    ASSERT_EQ(vue.Read(nullptr, 0), 0u);
    // Past the first values: an integer (3 bytes), an empty text (2), a
    // number (11).
    vue.Seek(16, Origine::Debut);
    {
        TReader r(vue);
        EXPECT_EQ(r.ReadInteger(), 37 - 5000);
    }
    EXPECT_EQ(vue.Position(), 19);
    EXPECT_EQ(vue.Write("x", 1), 0u);
}

// A device that accepts a given number of bytes and then refuses, as a full
// disk does.
class FluxPlein : public TMemoryStream {
  public:
    explicit FluxPlein(std::size_t capacite) : capacite_(capacite) {}
    std::size_t Write(const void* t, std::size_t n) override {
        const std::size_t k = std::min(n, capacite_);
        capacite_ -= k;
        return TMemoryStream::Write(t, k);
    }

  private:
    std::size_t capacite_;
};

TEST(Ecriture, UnDisquePleinDonneErreurDEcritureDansLeFlux) {
    FluxPlein flux(5000);
    TWriter w(flux);
    EXPECT_EQ(MessageDe([&] {
                  for (int i = 0; i < 10000; ++i)
                      w.WriteInteger(1000);
                  w.FlushBuffer();
              }),
              kErreurEcritureFlux);
}

TEST(Exceptions, LaHierarchieEstCelleQueLesAppelantsAttrapent) {
    EXPECT_TRUE((std::is_base_of_v<EFilerError, EReadError>));
    EXPECT_TRUE((std::is_base_of_v<EFilerError, EWriteError>));
    EXPECT_TRUE((std::is_base_of_v<EStreamError, EFilerError>));
    EXPECT_TRUE((std::is_base_of_v<EStreamError, EFCreateError>));
    EXPECT_TRUE((std::is_base_of_v<EStreamError, EFOpenError>));
}

} // namespace
