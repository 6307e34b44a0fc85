#include "help/help_window.h"

#include "entry_rules/entry_text_filter.h"
#include "forms/document_text.h"
#include "forms/form_look.h"
#include "forms/screen_scale.h"
#include "help/help_file.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly {

namespace {

constexpr int kHelpDesignClientWidth = 7725;
constexpr int kHelpDesignClientHeight = 5715;

} // namespace

HelpWindow::HelpWindow(const QString &startDirectory, Platform &platform, QWidget *parent)
    : QDialog(parent), startDirectory_(startDirectory),
      geometry_(kHelpDesignClientWidth, kHelpDesignClientHeight)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Help Page"));
    setModal(true);
    buildControls();
    scaleToScreen(this, geometry_, platform.desktop);
    // The file keeps CR LF; the text area breaks its lines at "\n".
    text_->setPlainText(boxTextFromStored(helpPageText(startDirectory_)));
}

void HelpWindow::buildControls()
{
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setFont(memberListFont());
    text_->setAccessibleName(QStringLiteral("Help text"));
    geometry_.place(text_, {240, 240, 7215, 4935});

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setFont(closeButtonFont());
    close->setAutoDefault(false);
    geometry_.place(close, {3240, 5280, 1215, 375});
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    // Designed as unavailable to the operator, half under the text area: kept, so that
    // the copy it writes stays part of the program, but never shown.
    auto *copy = new QPushButton(QStringLiteral("Command2"), this);
    copy->setObjectName(QStringLiteral("Command2"));
    copy->setVisible(false);
    copy->setEnabled(false);
    geometry_.place(copy, {5280, 4800, 1215, 495});
    connect(copy, &QPushButton::clicked, this, &HelpWindow::writeCopy);

    QWidget::setTabOrder(text_, close);
    close->setFocus();
}

void HelpWindow::writeCopy()
{
    // The text as the area holds it, with the file's CR LF line breaks again.
    writeHelpCopy(startDirectory_, storedTextFromBox(documentText(text_->document())));
}

} // namespace tessaly
