// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/flux.h"

#include "core/texte.h"
#include "core/texte_flux.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tramonta {

std::int64_t TStream::Size() {
    const std::int64_t ici = Position();
    const std::int64_t taille = Seek(0, Origine::Fin);
    Seek(ici, Origine::Debut);
    return taille;
}

std::size_t TMemoryStream::Read(void* tampon, std::size_t n) {
    const std::size_t dispo = position_ < donnees_.size() ? donnees_.size() - position_ : 0;
    const std::size_t lus = std::min(n, dispo);
    if (lus > 0)
        std::memcpy(tampon, donnees_.data() + position_, lus);
    position_ += lus;
    return lus;
}

std::size_t TMemoryStream::Write(const void* tampon, std::size_t n) {
    const auto* p = static_cast<const std::uint8_t*>(tampon);
    // Written at the end (a save): appended, without zeroing the room first.
    if (position_ == donnees_.size()) {
        donnees_.insert(donnees_.end(), p, p + n);
        position_ += n;
        return n;
    }
    if (position_ + n > donnees_.size())
        donnees_.resize(position_ + n);
    if (n > 0)
        std::memcpy(donnees_.data() + position_, p, n);
    position_ += n;
    return n;
}

std::size_t TVueOctets::Read(void* tampon, std::size_t n) {
    const std::size_t dispo = position_ < octets_.size() ? octets_.size() - position_ : 0;
    const std::size_t lus = std::min(n, dispo);
    if (lus > 0)
        std::memcpy(tampon, octets_.data() + position_, lus);
    position_ += lus;
    return lus;
}

namespace {

// Where a seek over bytes held in memory lands: never before the start;
// past the end is allowed, as for a file.
std::size_t NouvellePosition(std::size_t position, std::size_t taille, std::int64_t decalage,
                             Origine origine) {
    std::int64_t base = 0;
    if (origine == Origine::Courant)
        base = static_cast<std::int64_t>(position);
    else if (origine == Origine::Fin)
        base = static_cast<std::int64_t>(taille);
    const std::int64_t p = base + decalage;
    return p < 0 ? 0 : static_cast<std::size_t>(p);
}

} // namespace

std::int64_t TVueOctets::Seek(std::int64_t decalage, Origine origine) {
    position_ = NouvellePosition(position_, octets_.size(), decalage, origine);
    return static_cast<std::int64_t>(position_);
}

std::int64_t TMemoryStream::Seek(std::int64_t decalage, Origine origine) {
    position_ = NouvellePosition(position_, donnees_.size(), decalage, origine);
    return static_cast<std::int64_t>(position_);
}

TFileStream::TFileStream(const std::string& chemin, Mode mode) {
    if (mode == Mode::Lecture) {
        fd_ = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0)
            throw EFOpenError("Ne peut ouvrir le fichier " + chemin);
    } else {
        fd_ = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0)
            throw EFCreateError("Ne peut créer le fichier " + chemin);
    }
}

TFileStream::~TFileStream() {
    Fermer();
}

std::size_t TFileStream::Read(void* tampon, std::size_t n) {
    auto* p = static_cast<char*>(tampon);
    std::size_t total = 0;
    while (total < n) {
        const ssize_t r = ::read(fd_, p + total, n - total);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        total += static_cast<std::size_t>(r);
    }
    return total;
}

std::size_t TFileStream::Write(const void* tampon, std::size_t n) {
    const auto* p = static_cast<const char*>(tampon);
    std::size_t total = 0;
    while (total < n) {
        const ssize_t r = ::write(fd_, p + total, n - total);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        total += static_cast<std::size_t>(r);
    }
    return total;
}

std::int64_t TFileStream::Seek(std::int64_t decalage, Origine origine) {
    const int d = origine == Origine::Debut ? SEEK_SET : origine == Origine::Courant ? SEEK_CUR : SEEK_END;
    return ::lseek(fd_, decalage, d);
}

bool TFileStream::Synchroniser() {
    return fd_ >= 0 && ::fsync(fd_) == 0;
}

bool TFileStream::Fermer() {
    if (fd_ < 0)
        return true;
    const int r = ::close(fd_);
    fd_ = -1;
    return r == 0;
}

TFiler::TFiler(TStream& flux, std::size_t tailleTampon)
    : flux_(flux), tampon_(tailleTampon ? tailleTampon : 1) {}

// --- TWriter ---------------------------------------------------------------

namespace {
// Where `n` bytes go when the buffer has room for them and stays short of
// full (a full buffer is flushed at once): the bytes of most values are
// stored there directly. Nothing when the value must go the slow way.
std::uint8_t* Place(std::vector<std::uint8_t>& tampon, std::size_t& position, std::size_t n) {
    if (n >= tampon.size() - position)
        return nullptr;
    std::uint8_t* p = tampon.data() + position;
    position += n;
    return p;
}
} // namespace

TWriter::~TWriter() {
    try {
        FlushBuffer();
    } catch (const EStreamError&) {
        // Destructors must not throw; savers that need the outcome flush first.
    }
}

void TWriter::FlushBuffer() {
    const std::size_t n = position_;
    position_ = 0;
    if (n > 0 && flux_.Write(tampon_.data(), n) != n)
        throw EWriteError(kErreurEcritureFlux);
}

void TWriter::Write(const void* octets, std::size_t n) {
    if (std::uint8_t* p = Place(tampon_, position_, n)) {
        std::memcpy(p, octets, n);
        return;
    }
    const auto* p = static_cast<const std::uint8_t*>(octets);
    while (n > 0) {
        const std::size_t place = tampon_.size() - position_;
        const std::size_t k = std::min(place, n);
        std::memcpy(tampon_.data() + position_, p, k);
        position_ += k;
        p += k;
        n -= k;
        if (position_ == tampon_.size())
            FlushBuffer();
    }
}

void TWriter::WriteInteger(std::int32_t v) {
    std::uint8_t o[5];
    std::size_t n;
    if (v >= -128 && v <= 127) {
        o[0] = vaInt8;
        n = 1;
    } else if (v >= -32768 && v <= 32767) {
        o[0] = vaInt16;
        n = 2;
    } else {
        o[0] = vaInt32;
        n = 4;
    }
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i)
        o[1 + i] = static_cast<std::uint8_t>(u >> (8 * i));
    // Five bytes stored at once where there is room (only n + 1 count).
    if (tampon_.size() - position_ > 5) {
        std::memcpy(tampon_.data() + position_, o, 5);
        position_ += n + 1;
        return;
    }
    Write(o, n + 1);
}

void TWriter::WriteString(const std::string& texteUtf8) {
    // A plain ASCII text is its own Windows-1252 form.
    std::string_view octets = texteUtf8;
    thread_local std::string cp1252; // its buffer serves every text
    if (!EstAscii(octets)) {
        cp1252.clear();
        AjouterCp1252(cp1252, texteUtf8);
        octets = cp1252;
    }
    const std::size_t n = octets.size();
    if (n <= 255) {
        if (std::uint8_t* p = Place(tampon_, position_, 2 + n)) {
            p[0] = vaString;
            p[1] = static_cast<std::uint8_t>(n);
            std::memcpy(p + 2, octets.data(), n);
            return;
        }
        const std::uint8_t entete[2] = {vaString, static_cast<std::uint8_t>(n)};
        Write(entete, 2);
    } else {
        const auto u = static_cast<std::uint32_t>(n);
        const std::uint8_t entete[5] = {vaLString, static_cast<std::uint8_t>(u),
                                        static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
                                        static_cast<std::uint8_t>(u >> 24)};
        Write(entete, 5);
    }
    Write(octets.data(), n);
}

void TWriter::WriteBoolean(bool v) {
    if (std::uint8_t* p = Place(tampon_, position_, 1))
        *p = v ? vaTrue : vaFalse;
    else
        WriteTag(v ? vaTrue : vaFalse);
}

void TWriter::WriteFloat(double v) {
    WriteExtended(DoubleVersEtendu(v));
}

void TWriter::WriteExtended(const Etendu& v) {
    if (std::uint8_t* p = Place(tampon_, position_, 1 + v.size())) {
        p[0] = vaExtended;
        std::memcpy(p + 1, v.data(), v.size());
        return;
    }
    WriteTag(vaExtended);
    Write(v.data(), v.size());
}

// --- TReader ---------------------------------------------------------------

TReader::TReader(TStream& flux, std::size_t tailleTampon) : TFiler(flux, tailleTampon) {
    const std::int64_t ici = flux_.Position();
    const std::int64_t taille = flux_.Size();
    disponible_ = ici >= 0 && taille >= ici ? taille - ici : 0;
}

TReader::TReader(TVueOctets& vue) : TFiler(vue, 1) {
    const std::string_view reste = vue.Reste();
    // Nothing left keeps the buffer as the place of the bytes: never a null
    // pointer to step from.
    if (!reste.empty()) {
        octets_ = reinterpret_cast<const std::uint8_t*>(reste.data());
        fin_ = reste.size();
    }
    // The view stands behind all of it, as after a read of the whole: the
    // destructor puts it back behind the last value read.
    vue.Seek(0, Origine::Fin);
}

TReader::~TReader() {
    const std::size_t nonLus = fin_ - position_;
    if (nonLus > 0)
        flux_.Seek(-static_cast<std::int64_t>(nonLus), Origine::Courant);
}

void TReader::Remplir() {
    fin_ = flux_.Read(tampon_.data(), tampon_.size());
    octets_ = tampon_.data();
    position_ = 0;
    lusDuFlux_ += static_cast<std::int64_t>(fin_);
    if (fin_ == 0)
        throw EReadError(kErreurLectureFlux);
}

void TReader::Read(void* octets, std::size_t n) {
    // Most values lie whole in the buffer.
    if (n <= fin_ - position_) {
        std::memcpy(octets, octets_ + position_, n);
        position_ += n;
        return;
    }
    auto* p = static_cast<std::uint8_t*>(octets);
    while (n > 0) {
        if (position_ == fin_)
            Remplir();
        const std::size_t k = std::min(fin_ - position_, n);
        std::memcpy(p, octets_ + position_, k);
        position_ += k;
        p += k;
        n -= k;
    }
}

std::int64_t TReader::Restant() const {
    return static_cast<std::int64_t>(fin_ - position_) + std::max<std::int64_t>(0, disponible_ - lusDuFlux_);
}

std::uint8_t TReader::ReadTag() {
    if (position_ < fin_)
        return octets_[position_++];
    std::uint8_t t;
    Read(&t, 1);
    return t;
}

std::uint8_t TReader::PeekTag() {
    if (position_ == fin_)
        Remplir();
    return octets_[position_];
}

void TReader::ExigerTag(std::uint8_t tag) {
    if (ReadTag() != tag)
        throw EReadError(kValeurIncorrecte);
}

std::int32_t TReader::LireEntier(std::uint8_t tag) {
    // Decoded where it lies when the buffer holds it whole.
    const std::size_t reste = fin_ - position_;
    const std::uint8_t* ici = octets_ + position_;
    if (tag == vaInt8 && reste >= 1) {
        position_ += 1;
        return static_cast<std::int8_t>(ici[0]);
    }
    if (tag == vaInt16 && reste >= 2) {
        position_ += 2;
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(ici[0] | (ici[1] << 8)));
    }
    if (tag == vaInt32 && reste >= 4) {
        position_ += 4;
        return static_cast<std::int32_t>(ici[0] | (ici[1] << 8) | (ici[2] << 16) |
                                         (static_cast<std::uint32_t>(ici[3]) << 24));
    }
    switch (tag) {
    case vaInt8: {
        std::uint8_t o;
        Read(&o, 1);
        return static_cast<std::int8_t>(o);
    }
    case vaInt16: {
        std::uint8_t o[2];
        Read(o, 2);
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(o[0] | (o[1] << 8)));
    }
    case vaInt32: {
        std::uint8_t o[4];
        Read(o, 4);
        const std::uint32_t u = o[0] | (o[1] << 8) | (o[2] << 16) | (static_cast<std::uint32_t>(o[3]) << 24);
        return static_cast<std::int32_t>(u);
    }
    default:
        throw EReadError(kValeurIncorrecte);
    }
}

std::int32_t TReader::ReadInteger() {
    return LireEntier(ReadTag());
}

std::string TReader::ReadString() {
    const std::uint8_t tag = ReadTag();
    std::int64_t n;
    if (tag == vaString) {
        n = ReadTag(); // the one byte of the length
    } else if (tag == vaLString) {
        std::uint8_t o[4];
        Read(o, 4);
        n = static_cast<std::int32_t>(o[0] | (o[1] << 8) | (o[2] << 16) |
                                      (static_cast<std::uint32_t>(o[3]) << 24));
        // A length that the file cannot hold is corruption: refuse it before
        // allocating anything for it.
        if (n < 0 || n > Restant())
            throw EReadError(kErreurLectureFlux);
    } else {
        throw EReadError(kValeurIncorrecte);
    }
    const auto taille = static_cast<std::size_t>(n);
    // Converted straight from the buffer when the text lies whole in it.
    if (taille <= fin_ - position_) {
        const std::string_view octets(reinterpret_cast<const char*>(octets_ + position_), taille);
        position_ += taille;
        return Cp1252VersUtf8(octets);
    }
    std::string octets(taille, '\0');
    Read(octets.data(), octets.size());
    return Cp1252VersUtf8(octets);
}

bool TReader::ReadBoolean() {
    return ReadTag() == vaTrue;
}

Etendu TReader::ReadExtended() {
    const std::uint8_t tag = ReadTag();
    if (tag == vaExtended) {
        Etendu e;
        // Copied at a fixed size where the bytes lie whole (the ledger's
        // dates and amounts).
        if (fin_ - position_ >= e.size()) {
            std::memcpy(e.data(), octets_ + position_, e.size());
            position_ += e.size();
            return e;
        }
        Read(e.data(), e.size());
        return e;
    }
    return DoubleVersEtendu(static_cast<double>(LireEntier(tag)));
}

double TReader::ReadFloat() {
    return EtenduVersDouble(ReadExtended());
}

bool TReader::EndOfList() {
    return PeekTag() == vaNull;
}

} // namespace tramonta
