#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QTextBrowser;
class QTextDocument;
class ReleaseNotes;
class Updater;

// "Software Update": the notes of the version on offer, the progress and
// outcome of an install, "Later" and "Install and Relaunch". It only reads
// the updater's phase; the buttons call into it. A window of its own, not
// modal; Return installs and Escape means "Later".
class UpdateWindow : public QDialog {
    Q_OBJECT

public:
    explicit UpdateWindow(Updater& updater, QWidget* parent = nullptr);

    // The notes as a document: headings, bullets, paragraphs, and inline
    // emphasis, strong text, code and links.
    static void render(const ReleaseNotes& notes, QTextDocument& document);

    QTextBrowser* notes() const { return m_notes; }
    QLabel* nothingWaiting() const { return m_nothing; }
    QLabel* failure() const { return m_failure; }
    QLabel* progress() const { return m_progressText; }
    QPushButton* later() const { return m_later; }
    QPushButton* install() const { return m_install; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();

    Updater& m_updater;
    QString m_shownNotes;
    QString m_said;
    QTextBrowser* m_notes = nullptr;
    QLabel* m_nothing = nullptr;
    QWidget* m_failureRow = nullptr;
    QLabel* m_failure = nullptr;
    QProgressBar* m_busy = nullptr;
    QLabel* m_progressText = nullptr;
    QPushButton* m_later = nullptr;
    QPushButton* m_install = nullptr;
};
