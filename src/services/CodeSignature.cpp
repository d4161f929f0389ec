#include "CodeSignature.h"

#include "FileTree.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CodeSignature {

namespace {

const QString signatureFolder = QStringLiteral("Contents/_CodeSignature");
const QString resourcesName = QStringLiteral("Contents/_CodeSignature/CodeResources");
const QString signatureName = QStringLiteral("Contents/_CodeSignature/CodeSignature");
// Format 2 also lists every folder with its mode. Format 1 (files and links
// only) is no longer accepted: every release has carried format 2.
constexpr int formatVersion = 2;

struct KeyDeleter {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct BioDeleter {
    void operator()(BIO* bio) const { BIO_free(bio); }
};
struct ContextDeleter {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyDeleter>;
using Bio = std::unique_ptr<BIO, BioDeleter>;
using DigestContext = std::unique_ptr<EVP_MD_CTX, ContextDeleter>;

Key readPrivateKey(const QByteArray& pem)
{
    Bio bio(BIO_new_mem_buf(pem.constData(), int(pem.size())));
    Key key(bio ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr) : nullptr);
    if (!key || EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519) return nullptr;
    return key;
}

QByteArray rawPublicKey(EVP_PKEY* key)
{
    size_t length = 0;
    if (EVP_PKEY_get_raw_public_key(key, nullptr, &length) != 1) return {};
    QByteArray raw(qsizetype(length), Qt::Uninitialized);
    if (EVP_PKEY_get_raw_public_key(key, reinterpret_cast<unsigned char*>(raw.data()), &length) != 1) return {};
    return raw;
}

QString fingerprint(const QByteArray& rawPublicKey)
{
    return QString::fromLatin1(QCryptographicHash::hash(rawPublicKey, QCryptographicHash::Sha256).toHex().left(32));
}

// The bundle's files as the manifest lists them: relative path to SHA-256
// and mode for files, to target for symbolic links. False when the bundle
// holds something that is neither (a socket, a device) or cannot be read.
struct Contents {
    QMap<QString, QJsonObject> files;
    QMap<QString, QString> symlinks;
    QMap<QString, int> folders; // "." is the bundle itself
};

// Anything others may write to could be swapped for something else.
bool writableByOthers(mode_t mode)
{
    return (mode & (S_IWGRP | S_IWOTH)) != 0;
}

bool hashFile(int parent, const char* name, QByteArray& digest)
{
    const int fd = ::openat(parent, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0) ::close(fd);
        return false;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) return false;
    digest = hash.result().toHex();
    return true;
}

bool linkStaysInside(const QString& root, const QString& linkPath)
{
    const QString resolved = QFileInfo(linkPath).canonicalFilePath();
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    return !resolved.isEmpty() && (resolved == canonicalRoot || resolved.startsWith(canonicalRoot + QLatin1Char('/')));
}

std::optional<Contents> readContents(const QString& bundlePath)
{
    const QString root = QFileInfo(bundlePath).absoluteFilePath();
    Contents contents;
    struct stat rootStatus {};
    if (::lstat(QFile::encodeName(root).constData(), &rootStatus) != 0 || !S_ISDIR(rootStatus.st_mode) ||
        writableByOthers(rootStatus.st_mode))
        return std::nullopt;
    contents.folders.insert(QStringLiteral("."), int(rootStatus.st_mode & 07777));
    const bool complete =
        FileTree::walk(root, [&](const QString& relative, const struct stat& status, int parent, const char* name) {
            if (relative == resourcesName || relative == signatureName) return true;
            if (S_ISDIR(status.st_mode)) {
                if (writableByOthers(status.st_mode)) return false;
                // The signature's own folder is made by signing, after this list.
                if (relative != signatureFolder) contents.folders.insert(relative, int(status.st_mode & 07777));
                return true;
            }
            if (S_ISLNK(status.st_mode)) {
                QByteArray target(4096, Qt::Uninitialized);
                const ssize_t length = ::readlinkat(parent, name, target.data(), size_t(target.size()));
                if (length < 0 || !linkStaysInside(root, root + QLatin1Char('/') + relative)) return false;
                contents.symlinks.insert(relative, QFile::decodeName(target.left(qsizetype(length))));
                return true;
            }
            if (!S_ISREG(status.st_mode) || writableByOthers(status.st_mode)) return false;
            QByteArray digest;
            if (!hashFile(parent, name, digest)) return false;
            contents.files.insert(relative, QJsonObject{{QStringLiteral("sha256"), QString::fromLatin1(digest)},
                                                        {QStringLiteral("mode"), int(status.st_mode & 07777)}});
            return true;
        });
    if (!complete) return std::nullopt;
    return contents;
}

QByteArray manifest(const Contents& contents, const QString& team, const QByteArray& publicKey, int format)
{
    QJsonObject files;
    for (auto it = contents.files.cbegin(); it != contents.files.cend(); ++it)
        files.insert(it.key(), it.value());
    QJsonObject symlinks;
    for (auto it = contents.symlinks.cbegin(); it != contents.symlinks.cend(); ++it)
        symlinks.insert(it.key(), it.value());
    QJsonObject root{{QStringLiteral("format"), format},
                     {QStringLiteral("teamIdentifier"), team},
                     {QStringLiteral("publicKey"), QString::fromLatin1(publicKey.toBase64())},
                     {QStringLiteral("files"), files},
                     {QStringLiteral("symlinks"), symlinks}};
    if (format >= 2) {
        QJsonObject folders;
        for (auto it = contents.folders.cbegin(); it != contents.folders.cend(); ++it)
            folders.insert(it.key(), it.value());
        root.insert(QStringLiteral("folders"), folders);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The signature's own files: regular files only, never read through a link
// or from a FIFO that would block.
QByteArray readSignatureFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    QFile file;
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0) ::close(fd);
        return {};
    }
    return file.readAll();
}

bool verifySignature(const QByteArray& rawPublicKey, const QByteArray& message, const QByteArray& signature)
{
    Key key(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                        reinterpret_cast<const unsigned char*>(rawPublicKey.constData()),
                                        size_t(rawPublicKey.size())));
    DigestContext context(EVP_MD_CTX_new());
    if (!key || !context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.constData()),
                            size_t(signature.size()), reinterpret_cast<const unsigned char*>(message.constData()),
                            size_t(message.size())) == 1;
}

} // namespace

std::optional<QByteArray> generatePrivateKey()
{
    Key key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"));
    Bio bio(BIO_new(BIO_s_mem()));
    if (!key || !bio || PEM_write_bio_PrivateKey(bio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1)
        return std::nullopt;
    char* data = nullptr;
    const long length = BIO_get_mem_data(bio.get(), &data);
    return QByteArray(data, qsizetype(length));
}

std::optional<QString> teamIdentifierForKey(const QByteArray& privateKeyPem)
{
    const Key key = readPrivateKey(privateKeyPem);
    if (!key) return std::nullopt;
    const QByteArray raw = rawPublicKey(key.get());
    if (raw.isEmpty()) return std::nullopt;
    return fingerprint(raw);
}

std::optional<QString> sign(const QString& bundlePath, const QByteArray& privateKeyPem, int format)
{
    const Key key = readPrivateKey(privateKeyPem);
    if (!key) return QStringLiteral("The key is not an Ed25519 private key.");
    const QByteArray publicKey = rawPublicKey(key.get());
    if (!QFileInfo(bundlePath + QStringLiteral("/Contents")).isDir())
        return QStringLiteral("%1 is not a bundle (it has no Contents folder).").arg(bundlePath);
    const std::optional<Contents> contents = readContents(bundlePath);
    if (!contents)
        return QStringLiteral("The bundle holds a file that cannot be signed (unreadable, special, writable by "
                              "others, or a link pointing outside the bundle).");

    const QByteArray resources = manifest(*contents, fingerprint(publicKey), publicKey, format);
    DigestContext context(EVP_MD_CTX_new());
    size_t length = 0;
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1 ||
        EVP_DigestSign(context.get(), nullptr, &length, reinterpret_cast<const unsigned char*>(resources.constData()),
                       size_t(resources.size())) != 1)
        return QStringLiteral("Signing failed.");
    QByteArray signature(qsizetype(length), Qt::Uninitialized);
    if (EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                       reinterpret_cast<const unsigned char*>(resources.constData()), size_t(resources.size())) != 1)
        return QStringLiteral("Signing failed.");

    if (!QDir(bundlePath).mkpath(signatureFolder) ||
        !writeFile(bundlePath + QLatin1Char('/') + resourcesName, resources) ||
        !writeFile(bundlePath + QLatin1Char('/') + signatureName, signature.left(qsizetype(length))))
        return QStringLiteral("The signature could not be written into the bundle.");
    return std::nullopt;
}

std::optional<QString> signedTeam(const QString& bundlePath)
{
    const QByteArray resources = readSignatureFile(bundlePath + QLatin1Char('/') + resourcesName);
    const QByteArray signature = readSignatureFile(bundlePath + QLatin1Char('/') + signatureName);
    if (resources.isEmpty() || signature.isEmpty()) return std::nullopt;

    const QJsonObject root = QJsonDocument::fromJson(resources).object();
    const QByteArray publicKey = QByteArray::fromBase64(root.value(QStringLiteral("publicKey")).toString().toLatin1());
    const QString team = root.value(QStringLiteral("teamIdentifier")).toString();
    const int format = root.value(QStringLiteral("format")).toInt();
    if (format != formatVersion || publicKey.isEmpty() || !verifySignature(publicKey, resources, signature) ||
        team != fingerprint(publicKey))
        return std::nullopt;
    return team;
}

bool hasSignature(const QString& bundlePath)
{
    // A folder that cannot be searched or read still counts as a signature:
    // only one that is certainly absent makes a copy unsigned, which would
    // accept any signer.
    struct stat status {};
    return ::lstat(QFile::encodeName(bundlePath + QLatin1Char('/') + signatureFolder).constData(), &status) == 0 ||
           errno != ENOENT;
}

std::optional<QString> verify(const QString& bundlePath)
{
    const std::optional<QString> team = signedTeam(bundlePath);
    if (!team) return std::nullopt;
    const QJsonObject root =
        QJsonDocument::fromJson(readSignatureFile(bundlePath + QLatin1Char('/') + resourcesName)).object();
    const QByteArray publicKey = QByteArray::fromBase64(root.value(QStringLiteral("publicKey")).toString().toLatin1());
    const std::optional<Contents> contents = readContents(bundlePath);
    if (!contents) return std::nullopt;
    // Comparing whole lists catches changed, missing and extra files alike.
    const int format = root.value(QStringLiteral("format")).toInt();
    const QJsonObject actual = QJsonDocument::fromJson(manifest(*contents, *team, publicKey, format)).object();
    for (const QString& list : {QStringLiteral("files"), QStringLiteral("symlinks"), QStringLiteral("folders")})
        if (actual.value(list) != root.value(list)) return std::nullopt;
    return team;
}

} // namespace CodeSignature
