#include "ui/drive_combo.h"

#include "ui/drive_look.h"

#include <cctype>

namespace ui {

namespace {

char lowerLetter(char letter) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

// Linux has no volume labels: the drive's target folder names it instead ("drive_c"), and a
// target without a name (the host root) is shown whole.
QString driveLabel(const std::filesystem::path& target) {
    std::filesystem::path path = target.lexically_normal();
    if (!path.has_filename() && path.has_parent_path() && path.parent_path() != path)
        path = path.parent_path();
    const std::string name = path.filename().string();
    return QString::fromStdString(name.empty() ? target.string() : name);
}

} // namespace

DriveCombo::DriveCombo(const platform::DriveTable& drives, QWidget* parent)
    : QComboBox(parent), drives_(drives) {
    for (const platform::Drive& drive : drives_.drives()) {
        const char letter = lowerLetter(drive.letter);
        addItem(driveIcon(style(), drives_.driveType(letter)),
                QStringLiteral("%1: [%2]").arg(QChar(letter), driveLabel(drive.target)),
                QVariant::fromValue(static_cast<int>(letter)));
    }
    const int c = findData(static_cast<int>('c'));
    setCurrentIndex(c >= 0 ? c : (count() > 0 ? 0 : -1));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            emit driveChanged(drive());
    });
}

char DriveCombo::drive() const {
    const int index = currentIndex();
    return index < 0 ? '\0' : static_cast<char>(itemData(index).toInt());
}

void DriveCombo::setDrive(char letter) {
    const int index = findData(static_cast<int>(lowerLetter(letter)));
    if (index >= 0)
        setCurrentIndex(index);
}

platform::DriveType DriveCombo::driveType(char letter) const {
    return drives_.driveType(lowerLetter(letter));
}

} // namespace ui
