#include "languagetab.h"

#include "designhelpers.h"
#include "languages/languages.h"
#include "settings/livesettings.h"

#include <QComboBox>
#include <QLocale>

LanguageTab::LanguageTab(QWidget *parent)
    : QWidget(parent)
{
    QLabel *caption = PlaceCaption(this, tr("Language:"), 240, 540, 3360, 255);
    m_cboLanguage = PlaceTwips<QComboBox>(this, 240, 780, 2775, 345);
    m_cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    caption->setBuddy(m_cboLanguage);
    m_cboLanguage->setAccessibleName(FrameSubject(caption->text()));

    const QString system = ChooseLanguage(QString(), QLocale::system());
    QString systemName = system;
    for (const LanguageInfo &language : Languages()) {
        if (language.code == system) {
            systemName = language.name;
        }
    }
    //: The first choice: whatever language the desktop uses; %1 names it ("Deutsch").
    m_cboLanguage->addItem(tr("System (%1)").arg(systemName), QString());
    for (const LanguageInfo &language : Languages()) {
        m_cboLanguage->addItem(language.name, language.code);
    }

    QLabel *note = PlaceCaption(this,
        tr("The new language is shown from the next start of Varnelo."), 240, 1320, 4815, 495);
    note->setObjectName(QStringLiteral("lblLanguageNote"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void LanguageTab::load(const LiveSettings &settings)
{
    const int found = m_cboLanguage->findData(settings.Language);
    m_loadedIndex = settings.Language.isEmpty() || found < 0 ? 0 : found;
    m_cboLanguage->setCurrentIndex(m_loadedIndex);
}

void LanguageTab::store(LiveSettings &settings) const
{
    if (m_cboLanguage->currentIndex() != m_loadedIndex) {
        settings.Language = m_cboLanguage->currentData().toString();
    }
}
