#pragma once

#include <functional>

#include "options/generaloptionsrules.h"
#include "options/widgets/optionspage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The "General" page of the Options sheet: extension filter, output folder,
// existing-target policy, the two completion options and loudness.
class COptOutputPage : public OptionsPage {
    Q_OBJECT

public:
    explicit COptOutputPage(QWidget *parent = nullptr);

    void setOptions(const GeneralOptions &options);
    const GeneralOptions &options() const { return m_options; }

    bool leave() override;
    // The output format the loudness note speaks of, asked each time the page is shown.
    void setOutputFormat(std::function<int()> currentFormat);

protected:
    void setUp() override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    // Moves the edit and check box values between the controls and m_options.
    void readControls();
    void writeControls();
    void enableCustomFolder(bool enable);
    void onFilterClicked();
    void onFolderChoiceChanged(int row);
    void onBrowse();
    void createLoudnessControls();
    void updateLoudnessControls();

    GeneralOptions m_options;

    QCheckBox *m_filterCheck = nullptr;
    QLineEdit *m_filterEdit = nullptr;
    QComboBox *m_folderList = nullptr;
    QLabel *m_customFolderLabel = nullptr;
    QLineEdit *m_customFolderEdit = nullptr;
    QPushButton *m_browseButton = nullptr;
    QCheckBox *m_createDirsCheck = nullptr;
    QLabel *m_exampleLabel = nullptr;
    QComboBox *m_targetExistsList = nullptr;
    QCheckBox *m_myDocumentsCheck = nullptr;
    QCheckBox *m_browseOutputCheck = nullptr;
    QComboBox *m_simultaneousList = nullptr;
    QComboBox *m_loudnessList = nullptr;
    QLineEdit *m_loudnessTargetEdit = nullptr;
    QCheckBox *m_loudnessAlbumCheck = nullptr;
    QLabel *m_loudnessNote = nullptr;
    std::function<int()> m_currentFormat;
};
