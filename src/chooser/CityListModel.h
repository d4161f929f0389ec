#pragma once

#include "catalogue/City.h"
#include "clock/ClockFormatter.h"
#include "clock/ClockRowContent.h"
#include "map/Coordinate.h"

#include <QAbstractListModel>
#include <QDateTime>

#include <optional>

class AppSettings;
class CityDatabase;
class ClockEntries;
class DisplayedTime;

// The chooser's list, one item per line: section titles, clock rows, the
// note of an empty tracked list and the placeholder of a search without
// results. What it shows follows from the search text and the map focus:
// search results, the cities near the focus, or (neither) the home zone and
// the tracked cities. Every row carries its texts, so drawing reads only.
// A new instant changes only the texts: the search does not run again and
// the rows stay, so the view keeps its scroll position and selection.
class CityListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // answer: the search text read as a time ("3pm Tokyo"), or why it cannot be.
    enum class ItemKind { section, row, note, noResults, answer };
    // home: the stand-alone home row, which has no actions.
    enum class RowKind { home, tracked, result };

    struct Item {
        ItemKind kind = ItemKind::row;
        QString text; // section title, note, or the search text of a search without results
        RowKind rowKind = RowKind::tracked;
        // Home's and a tracked city's row is the shared clock row `entry`,
        // read where it is (row()); a search result has a row of its own,
        // whose texts are made when first read: the view reads the rows it
        // shows, not the two hundred a search may find.
        int entry = -1;
        mutable ClockRowData result;
        mutable bool textsDue = false;
        bool hasNotice = false; // a shared row's notice line, which sets its height
        std::optional<City> city;
        int index = 0;  // position within its section; odd rows are striped
        QDateTime at;   // an answer's instant; invalid for a refusal
        QString spoken; // an answer in words

        // A shared row may show something else whenever the list changed:
        // it is never the same.
        bool showsSame(const Item& other) const
        {
            return kind == other.kind && text == other.text && entry < 0 && other.entry < 0 &&
                   result.content == other.result.content && index == other.index;
        }
    };

    // What the chooser shows of a clock row: a relabelled city's catalogue
    // name, but not the sky.
    static constexpr ClockRowParts parts{.originalName = true, .sky = false};

    CityListModel(AppSettings& settings, const ClockEntries& entries, const CityDatabase& database,
                  const DisplayedTime& time, QObject* parent = nullptr);

    // A non-empty text clears the map focus.
    void setSearchText(const QString& text);
    QString searchText() const { return m_searchText; }
    void setFocus(const std::optional<Coordinate>& focus);
    std::optional<Coordinate> focus() const { return m_focus; }

    bool isFiltering() const { return !m_searchText.isEmpty() || m_focus.has_value(); }
    // The search or nearby results (empty when not filtering), for the map.
    const QList<City>& results() const { return m_results; }
    const Item& item(int row) const { return m_items.at(row); }
    // A row item's clock row: the shared one, or a result's with its texts.
    const ClockRowData& row(const Item& item) const;

    // Sunrise and sunset at the map's focus (its nearest place) on its date
    // at the displayed instant; empty without a focus.
    QString focusCaption() const;

    // A result row toggles tracking of its city, an answer sets its time;
    // other rows do nothing.
    void activate(int row);
    // The first line, when it answers the search with a time to show.
    bool leadsWithAnswer() const;
    // Stops tracking a tracked row's city.
    void remove(int row);
    // Moves tracked rows to before the row `destination` (any row of the
    // list; past the last tracked row means the end), switching to the
    // custom order.
    bool moveTrackedRows(const QList<int>& rows, int destination);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count, const QModelIndex& destinationParent,
                  int destinationChild) override;

signals:
    void focusChanged();
    void resultsChanged();
    void timeChosen(const QDateTime& at);

private:
    void rebuild();
    // The shared rows `first` to `last` have new texts.
    void takeTexts(int first, int last);
    // The search results' texts at the displayed instant.
    void refreshResultTexts();
    void changedRows(int first, int last, bool resized);
    // "Sunrise 7:12 AM · Sunset 4:35 PM" at the city on its date at the
    // row's instant; spoken, without the dot a screen reader says as a word.
    enum class Reading { shown, spoken };
    QString sunText(const Item& item, Reading reading = Reading::shown) const;
    QString sunText(const City& city, const QDateTime& at, Reading reading = Reading::shown) const;
    QList<Item> buildTracked() const;
    QList<Item> buildResults();
    QList<Item> buildAnswers() const;
    QList<City> trackedCitiesShown() const;

    AppSettings& m_settings;
    const ClockEntries& m_entries;
    const CityDatabase& m_database;
    const DisplayedTime& m_time;
    QString m_searchText;
    std::optional<Coordinate> m_focus;
    QList<City> m_results;
    QList<Item> m_items;
    // The results' texts as the settings format them, made once per change.
    mutable std::optional<ClockFormatter> m_resultTexts;
};

Q_DECLARE_METATYPE(const CityListModel::Item*)
