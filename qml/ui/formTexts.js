.pragma library

// Marked in the combo box's own translation context, where the open list
// looks them up; the closed box shows the chosen one untranslated.
var industries = [
    QT_TRANSLATE_NOOP("ZelkChooseComboBox", "Automotive"),
    QT_TRANSLATE_NOOP("ZelkChooseComboBox", "Agriculture"),
    QT_TRANSLATE_NOOP("ZelkChooseComboBox", "Banking"),
    QT_TRANSLATE_NOOP("ZelkChooseComboBox", "Computer Software"),
    QT_TRANSLATE_NOOP("ZelkChooseComboBox", "Education"),
    QT_TRANSLATE_NOOP("ZelkChooseComboBox", "Health")
];

// Fills the "%1" of a caption that marks a required field.
var requiredMark = "<font color=\"#2e91ed\">*</font>";
