// SPDX-License-Identifier: GPL-3.0-or-later
// The tagged value stream: every value of the document file is one tag byte
// followed by its payload. The order in which objects write their values is
// the whole schema of the file.
#pragma once

#include "core/etendu.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tramonta {

class EStreamError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
class EFilerError : public EStreamError {
  public:
    using EStreamError::EStreamError;
};
class EReadError : public EFilerError {
  public:
    using EFilerError::EFilerError;
};
class EWriteError : public EFilerError {
  public:
    using EFilerError::EFilerError;
};
class EFCreateError : public EStreamError {
  public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
  public:
    using EStreamError::EStreamError;
};

inline constexpr const char* kErreurLectureFlux = "Erreur de lecture du flux";
inline constexpr const char* kValeurIncorrecte = "Valeur de propriété incorrecte";
inline constexpr const char* kErreurEcritureFlux = "Erreur d'écriture dans le flux";

enum class Origine { Debut, Courant, Fin };

// A byte stream. Read and Write report how many bytes they moved; a short
// count is how a device says that it failed.
class TStream {
  public:
    virtual ~TStream() = default;
    virtual std::size_t Read(void* tampon, std::size_t n) = 0;
    virtual std::size_t Write(const void* tampon, std::size_t n) = 0;
    virtual std::int64_t Seek(std::int64_t decalage, Origine origine) = 0;
    std::int64_t Position() { return Seek(0, Origine::Courant); }
    virtual std::int64_t Size();
};

class TMemoryStream : public TStream {
  public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> donnees) : donnees_(std::move(donnees)) {}
    std::size_t Read(void* tampon, std::size_t n) override;
    std::size_t Write(const void* tampon, std::size_t n) override;
    std::int64_t Seek(std::int64_t decalage, Origine origine) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(donnees_.size()); }
    const std::vector<std::uint8_t>& Donnees() const { return donnees_; }

  private:
    std::vector<std::uint8_t> donnees_;
    std::size_t position_ = 0;
};

// Reads bytes that somebody else keeps (a file read whole), without a copy.
// Writing is refused.
class TVueOctets : public TStream {
  public:
    explicit TVueOctets(std::string_view octets) : octets_(octets) {}
    std::size_t Read(void* tampon, std::size_t n) override;
    std::size_t Write(const void*, std::size_t) override { return 0; }
    std::int64_t Seek(std::int64_t decalage, Origine origine) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(octets_.size()); }
    // What is left to read.
    std::string_view Reste() const {
        return position_ < octets_.size() ? octets_.substr(position_) : std::string_view();
    }

  private:
    std::string_view octets_;
    std::size_t position_ = 0;
};

// A file opened with POSIX calls, so that a save can be flushed to the disk.
class TFileStream : public TStream {
  public:
    enum class Mode { Lecture, Creation };
    // Raises EFOpenError (Lecture) or EFCreateError (Creation).
    TFileStream(const std::string& chemin, Mode mode);
    // Takes over an already open descriptor.
    explicit TFileStream(int descripteur) : fd_(descripteur) {}
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* tampon, std::size_t n) override;
    std::size_t Write(const void* tampon, std::size_t n) override;
    std::int64_t Seek(std::int64_t decalage, Origine origine) override;
    bool Synchroniser(); // fsync
    bool Fermer();       // close, reporting a deferred write error
    int Descripteur() const { return fd_; }

  private:
    int fd_ = -1;
};

class TFiler {
  public:
    TFiler(TStream& flux, std::size_t tailleTampon);
    virtual ~TFiler() = default;
    TFiler(const TFiler&) = delete;
    TFiler& operator=(const TFiler&) = delete;

  protected:
    TStream& flux_;
    std::vector<std::uint8_t> tampon_;
    std::size_t position_ = 0;
};

enum TagValeur : std::uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaFalse = 8,
    vaTrue = 9,
    vaLString = 12,
};

class TWriter : public TFiler {
  public:
    explicit TWriter(TStream& flux, std::size_t tailleTampon = 4096) : TFiler(flux, tailleTampon) {}
    // Flushes what is left; an error there is lost, so whoever cares calls
    // FlushBuffer first.
    ~TWriter() override;

    void WriteInteger(std::int32_t valeur);
    void WriteString(const std::string& texteUtf8);
    void WriteBoolean(bool valeur);
    void WriteFloat(double valeur);
    void WriteExtended(const Etendu& valeur);
    void WriteListBegin() { WriteTag(vaList); }
    void WriteListEnd() { WriteTag(vaNull); }
    // Writes the buffered bytes; raises EWriteError when the stream takes fewer.
    void FlushBuffer();

  private:
    void WriteTag(std::uint8_t tag) { Write(&tag, 1); }
    void Write(const void* octets, std::size_t n);
};

class TReader : public TFiler {
  public:
    TReader(TStream& flux, std::size_t tailleTampon = 4096);
    // Reads the bytes where they lie, without copying them into a buffer.
    explicit TReader(TVueOctets& vue);
    // Puts the stream back just behind the last value read.
    ~TReader() override;

    std::int32_t ReadInteger();
    std::string ReadString();
    bool ReadBoolean();
    double ReadFloat();
    Etendu ReadExtended();
    void ReadListBegin() { ExigerTag(vaList); }
    void ReadListEnd() { ExigerTag(vaNull); }
    bool EndOfList();

  private:
    std::uint8_t ReadTag();
    std::uint8_t PeekTag();
    void ExigerTag(std::uint8_t tag);
    std::int32_t LireEntier(std::uint8_t tag);
    void Read(void* octets, std::size_t n);
    void Remplir();
    std::int64_t Restant() const;
    std::size_t fin_ = 0;
    // Where the bytes being read lie: the buffer, or the viewed bytes.
    const std::uint8_t* octets_ = tampon_.data();
    // What the stream still held when the reader was made, to refuse a
    // corrupt length without asking the stream on every value.
    std::int64_t disponible_ = 0;
    std::int64_t lusDuFlux_ = 0;
};

} // namespace tramonta
