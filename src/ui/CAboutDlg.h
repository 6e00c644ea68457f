#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace keyloom {

// The About box: what the tool is, its copyright and the maker's link. Modeless, created once
// and reused while it exists.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    // The text of a language key for a language slot.
    using SlotText = std::function<QString(const char* key, int slot)>;

    // `help` opens the help page (F1).
    CAboutDlg(const QString& link, SlotText text, std::function<void()> help,
              QWidget* parent = nullptr);

    // UM_LANGUAGE: the title, the two texts and the OK button in the slot's language.
    void ApplyLanguage(int slot);

    const QLabel& Description() const { return m_description; }
    const QLabel& Copyright() const { return m_copyright; }
    const QPushButton& OkButton() const { return m_ok; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    SlotText m_text;
    std::function<void()> m_help;
    QLabel m_picture;
    QLabel m_title;
    QLabel m_description;
    QLabel m_copyright;
    QLabel m_link;
    QPushButton m_ok;
};

}  // namespace keyloom
