#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About dialog: the game's title and version, a description and an OK button. Each
// instance is one load of the dialog; closing it in any way discards it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();

    // Where the controls lie: the dialog itself, or the area below a title bar of its own.
    QWidget* m_inner;
    QPushButton* m_cmdOK;
    QLabel* m_picIcon;
    QLabel* m_lblDescription;
    QLabel* m_lblDisclaimer;
    QLabel* m_lblTitle;
    QLabel* m_lblVersion;
};
