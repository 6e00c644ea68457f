#include "ui/CAboutDlg.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace keyloom {

namespace {

constexpr int kTextWidth = 360;

}  // namespace

CAboutDlg::CAboutDlg(const QString& link, SlotText text, std::function<void()> help,
                     QWidget* parent)
    : QDialog(parent), m_text(std::move(text)), m_help(std::move(help)) {
    m_description.setWordWrap(true);
    m_description.setFixedWidth(kTextWidth);
    m_link.setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(link.toHtmlEscaped()));
    m_link.setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&m_description);
    layout->addWidget(&m_copyright);
    layout->addWidget(&m_link);
    layout->addWidget(&m_ok, 0, Qt::AlignRight);
    connect(&m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::ApplyLanguage(int slot) {
    setWindowTitle(m_text("LANG_ABOUT_TITLE", slot));
    m_description.setText(m_text("GUANYU_JIESHAO", slot));
    m_copyright.setText(m_text("GUANYU_BANQUAN", slot));
    m_ok.setText(m_text("LANG_ABOUT_OK", slot));
}

void CAboutDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        event->accept();
        m_help();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace keyloom
