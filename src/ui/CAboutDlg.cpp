#include "ui/CAboutDlg.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "session/WindowMessages.h"
#include "ui/TrayIcons.h"
#include "ui/WindowStyle.h"

namespace keyloom {

namespace {

constexpr int kTextWidth = 360;
constexpr int kPictureSize = 64;
constexpr int kMargin = 22;
constexpr int kSpacing = 10;

}  // namespace

CAboutDlg::CAboutDlg(const QString& link, SlotText text, std::function<void()> help,
                     QWidget* parent)
    : QDialog(parent), m_text(std::move(text)), m_help(std::move(help)) {
    setStyleSheet(DarkDialogStyle());
    m_picture.setPixmap(
        TrayIconPicture(TRAY_ICON_NO_KEYBOARD).pixmap(QSize(kPictureSize, kPictureSize)));
    m_picture.setAlignment(Qt::AlignTop);
    m_title.setObjectName(QStringLiteral("title"));
    m_description.setWordWrap(true);
    m_description.setFixedWidth(kTextWidth);
    m_link.setText(
        QStringLiteral("<a style=\"color:#2593ff\" href=\"%1\">%1</a>").arg(link.toHtmlEscaped()));
    m_link.setOpenExternalLinks(true);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(kSpacing);
    texts->addWidget(&m_title);
    texts->addWidget(&m_description);
    texts->addWidget(&m_copyright);
    texts->addWidget(&m_link);
    texts->addSpacing(kSpacing);
    texts->addWidget(&m_ok, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    layout->addWidget(&m_picture);
    layout->addLayout(texts);
    connect(&m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::ApplyLanguage(int slot) {
    setWindowTitle(m_text("LANG_ABOUT_TITLE", slot));
    m_title.setText(windowTitle());
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
