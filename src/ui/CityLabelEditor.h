#pragma once

#include "catalogue/City.h"

#include <QDialog>

class AppSettings;
class QLineEdit;
class QPushButton;

// The small window-modal dialog in which a tracked city gets its own label
// and emoji. Nothing is written before "Save" or "Reset".
class CityLabelEditor : public QDialog {
    Q_OBJECT

public:
    CityLabelEditor(AppSettings& settings, const City& city, QWidget* parent = nullptr);

    QLineEdit* emojiField() const { return m_emoji; }
    QLineEdit* nameField() const { return m_name; }
    QPushButton* resetButton() const { return m_reset; }
    QPushButton* saveButton() const { return m_save; }

    // The first user-perceived character of `text` (a whole flag or emoji
    // sequence counts as one).
    static QString firstCharacter(const QString& text);

private:
    void save();

    AppSettings& m_settings;
    City m_city;
    QLineEdit* m_emoji = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_save = nullptr;
};
