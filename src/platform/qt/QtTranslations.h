#pragma once

// Qt's own texts (file and font dialogs, message-box buttons, the context menus of text
// fields) in the interface language: German, Russian and Portuguese from Qt's translations,
// English for English and for the custom language. Open windows are told at once.
// Indexes as the language files: 0 English, 1 German, 2 Russian, 3 Portuguese, 4 custom.
void UseQtTranslations(int languageIndex);
