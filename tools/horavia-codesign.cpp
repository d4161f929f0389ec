// Signs Horavia bundles for release and checks signatures.
//
//   horavia-codesign keygen KEYFILE          new private key (kept out of the repository)
//   horavia-codesign sign --key KEYFILE BUNDLE
//   horavia-codesign verify BUNDLE           prints the team identifier; exit status 1 if invalid

#include "services/CodeSignature.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: horavia-codesign keygen KEYFILE\n"
               "       horavia-codesign sign --key KEYFILE BUNDLE\n"
               "       horavia-codesign verify BUNDLE\n",
               stderr);
    return 2;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "horavia-codesign: %s\n", qPrintable(message));
    return 1;
}

int keygen(const QString& keyFile)
{
    const std::optional<QByteArray> key = CodeSignature::generatePrivateKey();
    if (!key) return fail(QStringLiteral("key generation failed"));
    // Made here and now, readable by its owner alone from the first byte. An
    // existing file or a symbolic link (even one pointing nowhere) is refused:
    // someone else could already hold it open, or have chosen where it leads.
    QFile file(keyFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner))
        return fail(QStringLiteral("cannot create %1 (it must not exist yet): %2").arg(keyFile, file.errorString()));
    if (file.write(*key) != key->size() || !file.flush()) {
        file.remove();
        return fail(QStringLiteral("cannot write %1").arg(keyFile));
    }
    std::printf("team identifier: %s\n", qPrintable(*CodeSignature::teamIdentifierForKey(*key)));
    return 0;
}

int sign(const QString& keyFile, const QString& bundle)
{
    QFile file(keyFile);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1").arg(keyFile));
    if (const std::optional<QString> error = CodeSignature::sign(bundle, file.readAll())) return fail(*error);
    const std::optional<QString> team = CodeSignature::verify(bundle);
    if (!team) return fail(QStringLiteral("%1 was signed but does not verify").arg(bundle));
    std::printf("signed %s as team %s\n", qPrintable(bundle), qPrintable(*team));
    return 0;
}

int verify(const QString& bundle)
{
    const std::optional<QString> team = CodeSignature::verify(bundle);
    if (!team) return fail(QStringLiteral("%1 is not validly signed").arg(bundle));
    std::printf("%s\n", qPrintable(*team));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.at(0) == QLatin1String("keygen")) return keygen(args.at(1));
    if (args.size() == 4 && args.at(0) == QLatin1String("sign") && args.at(1) == QLatin1String("--key"))
        return sign(args.at(2), args.at(3));
    if (args.size() == 2 && args.at(0) == QLatin1String("verify")) return verify(args.at(1));
    return usage();
}
