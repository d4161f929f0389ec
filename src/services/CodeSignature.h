#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Signatures of application bundles. A signed bundle holds
// Contents/_CodeSignature/CodeResources, a JSON list of every other file of the
// bundle with its SHA-256 and mode (symbolic links with their target), the
// team identifier and the Ed25519 public key; and
// Contents/_CodeSignature/CodeSignature, the Ed25519 signature over the exact
// bytes of CodeResources.
//
// A bundle is validly signed when the signature verifies with the embedded
// key, the team identifier is that key's fingerprint (so it cannot be claimed
// without the key), every listed file matches, none is missing, none is extra,
// no symbolic link points outside the bundle, nothing in it (folder or file)
// is writable by group or others, and, from format 2 on, every folder and
// its mode are as signed.
namespace CodeSignature {

// A new private key, PEM-encoded; none when the crypto library fails.
std::optional<QByteArray> generatePrivateKey();

// The team identifier a private key signs as: the first 32 hex digits of the
// SHA-256 of its raw public key. None for a key that is not Ed25519.
std::optional<QString> teamIdentifierForKey(const QByteArray& privateKeyPem);

// Signs the bundle in place (replacing an earlier signature). Returns an
// error text, or none on success. Format 2 (the default) covers folders and
// their modes; format 1, files and links only, is kept for older releases.
std::optional<QString> sign(const QString& bundlePath, const QByteArray& privateKeyPem, int format = 2);

// The team identifier of a validly signed bundle; none when it is not.
std::optional<QString> verify(const QString& bundlePath);

// The team a bundle was signed by, when its manifest's own signature holds,
// whatever happened to its files since (a stray file, a changed mode).
std::optional<QString> signedTeam(const QString& bundlePath);
// Whether the bundle carries a signature at all, valid or not.
bool hasSignature(const QString& bundlePath);

} // namespace CodeSignature
