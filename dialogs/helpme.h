#pragma once

#include <QByteArray>
#include <QWidget>

class QPlainTextEdit;

// The Help window: the text of "Help.txt", read once when the window is loaded. Each instance
// is one load; closing it discards it.
class helpme : public QWidget
{
    Q_OBJECT

public:
    // The folder that holds "Help.txt", as the file system names it; the game passes its own.
    explicit helpme(const QByteArray& folder);

private:
    void Form_Load();

    QByteArray m_folder;
    QPlainTextEdit* m_text;
};
