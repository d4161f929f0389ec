// An imported city list: any bytes are refused or give known cities with
// values Horavia can take, and importing them changes the settings at once.
#include "FuzzFiles.h"
#include "base/Preferences.h"
#include "catalogue/CityDatabase.h"
#include "settings/AppSettings.h"
#include "settings/CityListFile.h"

#include <QVariantMap>

namespace {

class MemoryPreferences final : public Preferences {
public:
    QVariantMap values;
    QVariant object(const QString& key) const override { return values.value(key); }
    void setObject(const QVariant& value, const QString& key) override { values.insert(key, value); }
    void remove(const QString& key) override { values.remove(key); }
    bool synchronize() override { return true; }
};

const CityDatabase& database()
{
    static const QByteArray catalogue = R"([{"i":"par","n":"Paris","r":"","c":"France","la":48.9,"lo":2.3,)"
                                        R"("z":"Europe/Paris"},{"i":"tok","n":"Tokyo","r":"","c":"Japan","la":35.7,)"
                                        R"("lo":139.7,"z":"Asia/Tokyo"}])";
    static const CityDatabase made(writeInput(QStringLiteral("cities.json"),
                                              reinterpret_cast<const uint8_t*>(catalogue.constData()),
                                              size_t(catalogue.size())));
    return made;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CityListFile::Read read =
        CityListFile::read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), database());
    if (!read.error.isEmpty() && !read.entries.isEmpty()) __builtin_trap();
    MemoryPreferences store;
    store.values.insert(QStringLiteral("trackedCityIDs"), QStringList{QStringLiteral("par")});
    AppSettings settings(store, database());
    (void)CityListFile::compare(read, settings);
    CityListFile::apply(read, settings, size % 2 == 0);
    for (const QString& id : settings.value<QStringList>(SettingKey::trackedCityIDs))
        if (!database().find(id)) __builtin_trap();
    return 0;
}
