#include "options/widgets/optionssheet.h"

#include <QCoreApplication>

#include "options/generaloptionsrules.h"
#include "options/widgets/coptoutputpage.h"
#include "options/widgets/coptsheet.h"
#include "options/widgets/coptvideopage.h"
#include "platform/settingsstore.h"
#include "ui/waitcursor.h"

void runOptionsCommand(QWidget *owner, OptionsTarget target)
{
    WaitCursor wait;

    COptSheet sheet(owner);
    auto *audioPage = new COptVideoPage;
    auto *generalPage = new COptOutputPage;
    audioPage->setRecords(target.params, target.currentFormat);
    generalPage->setOptions(generalOptionsFrom(target.settings));
    generalPage->setOutputFormat([audioPage] { return audioPage->format(); });

    sheet.addPage(generalPage, QCoreApplication::translate("OptionsSheet", "General"));
    sheet.addPage(audioPage, QCoreApplication::translate("OptionsSheet", "Audio Options"));
    sheet.setStartPage(target.settings.OptStartPageIndex);

    if (sheet.exec() == QDialog::Accepted) {
        // Only the format the page shows at the end is carried back and saved.
        const int format = audioPage->format();
        target.currentFormat = format;
        target.params[static_cast<size_t>(format)] = audioPage->record();
        saveEncodingParams(target.store, format, audioPage->record());
        if (target.selectFormat)
            target.selectFormat(format);

        copyGeneralOptions(generalPage->options(), target.settings);
        target.extensionFilter = buildExtensionFilterList(target.settings);
        writeProgramSettings(target.store, target.settings, OptionsGroup);
        target.store.sync();
    }
    target.settings.OptStartPageIndex = sheet.lastActivePage();
}
