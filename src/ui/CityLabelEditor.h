#pragma once

#include "catalogue/City.h"
#include "planning/Schedule.h"

#include <QDialog>

class AppSettings;
class QLineEdit;
class QPushButton;

// The small window-modal dialog in which a tracked city gets its own label,
// emoji and working hours. Nothing is written before "Save" or "Reset". For
// the home row without a city (id "home") it holds the working hours alone.
class CityLabelEditor : public QDialog {
    Q_OBJECT

public:
    CityLabelEditor(AppSettings& settings, const City& city, QWidget* parent = nullptr);

    QLineEdit* emojiField() const { return m_emoji; }
    QLineEdit* nameField() const { return m_name; }
    QLineEdit* workFromField() const { return m_workFrom; }
    QLineEdit* workToField() const { return m_workTo; }
    QPushButton* resetButton() const { return m_reset; }
    QPushButton* saveButton() const { return m_save; }

    // Working hours as typed: none when both fields are empty (the default
    // applies); invalid when only one is filled or either is not a time.
    struct Hours {
        bool valid = true;
        std::optional<TimeRange> range;
    };
    static Hours parseHours(const QString& from, const QString& to);

    // The first user-perceived character of `text` (a whole flag or emoji
    // sequence counts as one).
    static QString firstCharacter(const QString& text);

private:
    void save();

    AppSettings& m_settings;
    City m_city;
    QLineEdit* m_emoji = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_workFrom = nullptr;
    QLineEdit* m_workTo = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_save = nullptr;
};
