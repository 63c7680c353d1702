#include "platform/qt_prompter.h"

#include "platform/colour_value.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

std::optional<QString> runFileDialog(QWidget *parent, const FileDialogRequest &request, bool save)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDirectory(request.directory);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty())
        dialog.selectNameFilter(request.filters.first());
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace

QtPrompter::QtPrompter(QWidget *parent)
    : parent_(parent)
{
}

PromptAnswer QtPrompter::ask(const QString &caption, const QString &text, PromptButtons buttons)
{
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    switch (buttons) {
    case PromptButtons::Ok: standard = QMessageBox::Ok; break;
    case PromptButtons::OkCancel: standard = QMessageBox::Ok | QMessageBox::Cancel; break;
    case PromptButtons::YesNo: standard = QMessageBox::Yes | QMessageBox::No; break;
    case PromptButtons::YesNoCancel: standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, standard, parent_);
    const std::pair<QMessageBox::StandardButton, const char *> captions[] = {
        {QMessageBox::Ok, "确定"}, {QMessageBox::Cancel, "取消"}, {QMessageBox::Yes, "是"}, {QMessageBox::No, "否"}};
    for (const auto &[button, caption] : captions) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(QString::fromUtf8(caption));
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
    }
}

std::optional<QString> QtPrompter::chooseOpenFile(const FileDialogRequest &request)
{
    return runFileDialog(parent_, request, false);
}

std::optional<QString> QtPrompter::chooseSaveFile(const FileDialogRequest &request)
{
    return runFileDialog(parent_, request, true);
}

std::optional<QString> QtPrompter::askPassword(const PasswordRequest &request)
{
    return passwordDialog_ ? passwordDialog_(request) : std::nullopt;
}

std::optional<quint32> QtPrompter::chooseColour(quint32 initial)
{
    const QColor colour = QColorDialog::getColor(colourFromValue(initial), parent_);
    if (!colour.isValid())
        return std::nullopt;
    return valueFromColour(colour);
}
