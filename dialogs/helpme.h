#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

// The Help window: the text of "Help.txt", read once when the window is loaded. Each instance
// is one load; closing it discards it.
class helpme : public QWidget
{
    Q_OBJECT

public:
    // The folder that holds "Help.txt"; the game passes its own.
    explicit helpme(const QString& folder);

    // More than any help a person writes, few enough to show at once.
    static constexpr qsizetype mostLines = 10000;

private:
    void Form_Load();

    QString m_folder;
    QPlainTextEdit* m_text;
};
