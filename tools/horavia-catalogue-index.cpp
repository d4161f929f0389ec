// Turns the city catalogue (cities.json) into the index the application
// maps at start: horavia-catalogue-index CATALOGUE.json OUTPUT.index
#include "catalogue/CatalogueFile.h"
#include "catalogue/CatalogueIndex.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: horavia-catalogue-index CATALOGUE.json OUTPUT.index\n");
        return 2;
    }
    QList<City> records{City::utc()};
    if (!CatalogueFile::load(arguments.at(1), records)) {
        std::fprintf(stderr, "%s: not a readable catalogue\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QByteArray image = CatalogueIndex::build(records, TextFolder(), CatalogueIndex::Folding::standard,
                                                   {quint64(QFileInfo(arguments.at(1)).size())});
    QSaveFile out(arguments.at(2));
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(arguments.at(2)), qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
