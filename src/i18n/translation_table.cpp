// Translations of the program's texts. Every text is kept exactly as the translator wrote it,
// including blanks at either end; invisible characters are written as \u escapes.
#include "i18n/translation_table.h"

#include <iterator>

namespace {

// Key names.
// "Esc"
const TTranslation Esc[] = {
    {0x0C, L"Echap"},  // French
};

// "Caps"
const TTranslation Caps[] = {
    {0x07, L"Feststell"},    // German
    {0x0A, L"Bloq May"},     // Spanish
    {0x0C, L"Verr Maj"},     // French
    {0x10, L"Bloc Maiusc"},  // Italian
};

// "Shift"
const TTranslation Shift[] = {
    {0x06, L"Skift"},     // Danish
    {0x07, L"Umschalt"},  // German
    {0x0A, L"Mayús"},     // Spanish
    {0x0C, L"Maj"},       // French
    {0x10, L"Maiusc"},    // Italian
};

// "Enter"
const TTranslation Enter[] = {
    {0x06, L"Retur"},   // Danish
    {0x0A, L"Intro"},   // Spanish
    {0x0C, L"Entrée"},  // French
    {0x10, L"Invio"},   // Italian
};

// "Ctrl"
const TTranslation Ctrl[] = {
    {0x07, L"Strg"},  // German
};

// "PrtScr"
const TTranslation PrtScr[] = {
    {0x07, L"Druck"},      // German
    {0x0A, L"ImprPant"},   // Spanish
    {0x0C, L"ImpÉcran"},   // French
    {0x10, L"StampaScr"},  // Italian
};

// "ScrLk"
const TTranslation ScrLk[] = {
    {0x06, L"ScrLås"},      // Danish
    {0x07, L"Rollen"},      // German
    {0x0A, L"BloDesp"},     // Spanish
    {0x0C, L"ArrêtDéfil"},  // French
    {0x10, L"Bloc Scorr"},  // Italian
};

// "Pause"
const TTranslation Pause[] = {
    {0x0A, L"Pausa"},  // Spanish
    {0x10, L"Pausa"},  // Italian
    {0x13, L"Pauze"},  // Dutch
    {0x15, L"Pauza"},  // Polish
};

// "Ins"
const TTranslation Ins[] = {
    {0x06, L"Indsæt"},  // Danish
    {0x07, L"Einfg"},   // German
};

// "Del"
const TTranslation Del[] = {
    {0x06, L"Slet"},   // Danish
    {0x07, L"Entf"},   // German
    {0x0A, L"Supr"},   // Spanish
    {0x0C, L"Suppr"},  // French
    {0x10, L"Canc"},   // Italian
};

// "Home"
const TTranslation Home[] = {
    {0x06, L"Hjem"},     // Danish
    {0x07, L"Pos1"},     // German
    {0x0A, L"Inicio"},   // Spanish
    {0x0C, L"Origine"},  // French
};

// "End"
const TTranslation End[] = {
    {0x06, L"Slut"},  // Danish
    {0x07, L"Ende"},  // German
    {0x0A, L"Fin"},   // Spanish
    {0x0C, L"Fin"},   // French
    {0x10, L"Fine"},  // Italian
};

// "PgUp"
const TTranslation PgUp[] = {
    {0x06, L"SideOp"},    // Danish
    {0x07, L"Bild-auf"},  // German
    {0x0A, L"RePág"},     // Spanish
    {0x0C, L"PgPréc"},    // French
    {0x10, L"PgSu"},      // Italian
};

// "PgDn"
const TTranslation PgDn[] = {
    {0x06, L"SideNed"},  // Danish
    {0x07, L"Bild-ab"},  // German
    {0x0A, L"AvPág"},    // Spanish
    {0x0C, L"PgSuiv"},   // French
    {0x10, L"PgGiù"},    // Italian
};

// Language segment of the online keyboard page's address.
// "/"
const TTranslation OnlineKeyboardSegment[] = {
    {0x04, L"/cn/"},  // Chinese (traditional)
    {0x07, L"/de/"},  // German
    {0x0A, L"/es/"},  // Spanish
    {0x0C, L"/fr/"},  // French
    {0x10, L"/it/"},  // Italian
    {0x11, L"/jp/"},  // Japanese
    {0x12, L"/kr/"},  // Korean
    {0x13, L"/nl/"},  // Dutch
    {0x15, L"/pl/"},  // Polish
    {0x16, L"/br/"},  // Portuguese
    {0x19, L"/ru/"},  // Russian
    {0x1D, L"/se/"},  // Swedish
    {0x1F, L"/tr/"},  // Turkish
};

// User-interface texts.
// "Enable key repeat"
const TTranslation EnableKeyRepeat[] = {
    {0x01, L"تمكين تكرار المفتاح"},                 // Arabic
    {0x02, L"Включи ключова повторение"},           // Bulgarian
    {0x04, L"啟用按鍵重複"},                        // Chinese (traditional)
    {0x05, L"Povolit opakování klávesy"},           // Czech
    {0x06, L"Aktiver tast gentagelse"},             // Danish
    {0x07, L"Tastendruckwiederholung aktivieren"},  // German
    {0x08, L"Ενεργοποίηση επανάληψης πλήκτρου"},    // Greek
    {0x0A, L"Habilitar repetición de teclas"},      // Spanish
    {0x0C, L"Activer la répétition de touche"},     // French
    {0x10, L"Abilita la ripetizione del tasto"},    // Italian
    {0x11, L"キーリピートを有効にする"},            // Japanese
    {0x12, L"반복 키 사용하기"},                    // Korean
    {0x13, L"Toetsherhaling activeren"},            // Dutch
    {0x15, L"Włącz powtarzanie klawiszy"},          // Polish
    {0x16, L"Habilitar a repetição de digitação"},  // Portuguese
    {0x19, L"Разрешить повтор нажатия"},            // Russian
    {0x1A, L"Омогући понављање тастера"},           // Serbian
    {0x1B, L"Povoliť opakovanie klávesy"},          // Slovak
    {0x1D, L"Aktivera tangentupprepning"},          // Swedish
    {0x22, L"Дозволити повтор натискання"},         // Ukrainian
    {0x23, L"Дазволіць паўтор націску"},            // Belarusian
    {0x26, L"Atļaut taustiņa atkārtojumu"},         // Latvian
    {0x041A, L"Omogući ponavljanje tipke"},         // Croatian (Croatia)
    {0x0804, L"允许按键重复"},                      // Chinese (PRC)
};

// "Fit width"
const TTranslation FitWidth[] = {
    {0x01, L"ملائمه العرض"},                 // Arabic
    {0x02, L"Побиране и ширината"},          // Bulgarian
    {0x04, L"適合寬度"},                     // Chinese (traditional)
    {0x05, L"Upravit šířku"},                // Czech
    {0x06, L"Tilpas bredde"},                // Danish
    {0x07, L"Breite automatisch anpassen"},  // German
    {0x08, L"Ταίριαξε σε πλάτος"},           // Greek
    {0x0A, L"Calzar ancho"},                 // Spanish
    {0x0C, L"Ajuster la largeur"},           // French
    {0x10, L"Adatta in larghezza"},          // Italian
    {0x11, L"幅に合わせる"},                 // Japanese
    {0x12, L"너비에 맞추기"},                // Korean
    {0x13, L"Volledige breedte"},            // Dutch
    {0x15, L"Ustaw szerokość"},              // Polish
    {0x16, L"Ajustar à largura"},            // Portuguese
    {0x19, L"Растягивать по ширине"},        // Russian
    {0x1A, L"Попуни ширину"},                // Serbian
    {0x1B, L"Upraviť šírku"},                // Slovak
    {0x1D, L"Anpassa bredd"},                // Swedish
    {0x22, L"Розтягувати по ширині"},        // Ukrainian
    {0x23, L"Расцягваць па шырыні"},         // Belarusian
    {0x26, L"Iekļaut platumā"},              // Latvian
    {0x041A, L"Podesi širinu"},              // Croatian (Croatia)
    {0x0804, L"适合宽度"},                   // Chinese (PRC)
};

// "Lock window size"
const TTranslation LockWindowSize[] = {
    {0x01, L"تثبيت مساحه النافذه"},                   // Arabic
    {0x02, L"Фиксирайте размера на прозореца"},       // Bulgarian
    {0x04, L"鎖定窗口大小"},                          // Chinese (traditional)
    {0x05, L"Zamknout velikost okna"},                // Czech
    {0x06, L"Lås vindues størrelse"},                 // Danish
    {0x07, L"Fenstergröße fixieren"},                 // German
    {0x08, L"Κλείδωσε το μέγεθος του παραθύρου"},     // Greek
    {0x0A, L"Fijar tamaño de la ventana"},            // Spanish
    {0x0C, L"Verrouiller la taille de la fenêtre"},   // French
    {0x10, L"Blocca le dimensioni della finestra"},   // Italian
    {0x11, L"ウィンドウのサイズをロックする"},        // Japanese
    {0x12, L"크기 잠금"},                             // Korean
    {0x13, L"Schermgrootte vergrendelen"},            // Dutch
    {0x15, L"Zablokuj wielkość okna"},                // Polish
    {0x16, L"Fixar o tamanho do painel do teclado"},  // Portuguese
    {0x19, L"Зафиксировать размер окна"},             // Russian
    {0x1A, L"Блокирај величину прозора"},             // Serbian
    {0x1B, L"Zamknúť veľkosť okna"},                  // Slovak
    {0x1D, L"Lås fönsterstorlek"},                    // Swedish
    {0x22, L"Зафіксувати розмір вікна"},              // Ukrainian
    {0x23, L"Зафіксаваць памер акна"},                // Belarusian
    {0x26, L"Fiksēt loga izmērus"},                   // Latvian
    {0x041A, L"Zaključaj veličinu prozora"},          // Croatian (Croatia)
    {0x0804, L"锁定窗口尺寸"},                        // Chinese (PRC)
};

// "Change colors"
const TTranslation ChangeColors[] = {
    {0x01, L"تغيير الألوان"},          // Arabic
    {0x02, L"Промяна на цветовете"},   // Bulgarian
    {0x04, L"變更色彩\u200B\u200B"},   // Chinese (traditional); ends in two zero-width spaces (U+200B)
    {0x05, L"Změnit barvy"},           // Czech
    {0x06, L"Skift farver"},           // Danish
    {0x07, L"Farben ändern"},          // German
    {0x08, L"Αλλαγή χρωμάτων"},        // Greek
    {0x0A, L"Cambiar colores"},        // Spanish
    {0x0C, L"Modifier les couleurs"},  // French
    {0x0E, L"Más színek"},             // Hungarian
    {0x10, L"Cambia colori"},          // Italian
    {0x11, L"色を変える"},             // Japanese
    {0x12, L"색 변경"},                // Korean
    {0x13, L"Kleuren wijzigen"},       // Dutch
    {0x15, L"Zmień kolory"},           // Polish
    {0x16, L"Alterar Cores"},          // Portuguese
    {0x19, L"Изменить цвета"},         // Russian
    {0x1A, L"Промени боје"},           // Serbian
    {0x1B, L"Zmeniť farby"},           // Slovak
    {0x1D, L"Ändra färger"},           // Swedish
    {0x1F, L"Renkleri Değiştir"},      // Turkish
    {0x22, L"Змінити кольори"},        // Ukrainian
    {0x23, L"Змяніць колер"},          // Belarusian
    {0x26, L"Mainīt krāsas"},          // Latvian
    {0x041A, L"Promijeni boje"},       // Croatian (Croatia)
    {0x0804, L"更改颜色"},             // Chinese (PRC)
};

// "Change keyboard type"
const TTranslation ChangeKeyboardType[] = {
    {0x01, L"تنشيط نوع لوحه المفاتيح التالى"},           // Arabic
    {0x02, L"Активиране на следващия вид клавиатура"},   // Bulgarian
    {0x04, L"啟動下一種鍵盤類型"},                       // Chinese (traditional)
    {0x05, L"Aktivovat další typ klávesnice"},           // Czech
    {0x06, L"Aktiver næste Tastatur type"},              // Danish
    {0x07, L"Aktivieren Sie den nächsten Tastaturtyp"},  // German
    {0x08, L"Activate the next Keyboard type"},          // Greek
    {0x0A, L"Activar el siguiente tipo de teclado"},     // Spanish
    {0x0C, L"Activer le prochain clavier"},              // French
    {0x0E, L"Activate the next Keyboard type"},          // Hungarian
    {0x10, L"Attiva il tipo di Tastiera successivo"},    // Italian
    {0x11, L"キーボードタイプを選択する"},               // Japanese
    {0x12, L"다음 키보드 형식 활성화"},                  // Korean
    {0x13, L"Het volgende toetsenbord activeren"},       // Dutch
    {0x15, L"Przełącz typ klawiatury"},                  // Polish
    {0x16, L"Ativar o tipo de teclado seguinte"},        // Portuguese
    {0x19, L"Активировать следующий вид клавиатуры"},    // Russian
    {0x1A, L"Активирај следећи тип тастатуре"},          // Serbian
    {0x1B, L"Aktivovať ďalší typ klávesnice"},           // Slovak
    {0x1D, L"Aktivera nästa Tsngentbordstyp"},           // Swedish
    {0x1F, L"Sonraki klavye tipini etkinleştir "},       // Turkish; ends in a blank
    {0x22, L"Активувати наступний вид клавіатури"},      // Ukrainian
    {0x23, L"Актываваць наступны выгляд клавіятуры"},    // Belarusian
    {0x26, L"Aktivizēt nākošo tastatūras tipu"},         // Latvian
    {0x041A, L"Aktiviraj slijedeću vrstu tipkovnice"},   // Croatian (Croatia)
    {0x0804, L"激活下一种键盘类型"},                     // Chinese (PRC)
};

// "About %1"
const TTranslation About[] = {
    {0x01, L"%1 حول"},                 // Arabic
    {0x02, L"За програмата %1"},       // Bulgarian
    {0x04, L"關於 %1"},                // Chinese (traditional)
    {0x05, L"O programu %1"},          // Czech
    {0x06, L"Om %1"},                  // Danish
    {0x07, L"Über %1"},                // German
    {0x08, L"Πληροφορίες για το %1"},  // Greek
    {0x0A, L"Acerca de %1"},           // Spanish
    {0x0C, L"A propos de %1"},         // French
    {0x0E, L"Bővebben a %1-ról"},      // Hungarian
    {0x10, L"Info programma %1"},      // Italian
    {0x11, L"%1に関する情報"},         // Japanese
    {0x12, L"%1는"},                   // Korean
    {0x13, L"Over %1"},                // Dutch
    {0x15, L"O %1"},                   // Polish
    {0x16, L"Sobre o %1"},             // Portuguese
    {0x19, L"О программе %1"},         // Russian
    {0x1A, L"О %1"},                   // Serbian
    {0x1B, L"O programe %1"},          // Slovak
    {0x1D, L"Om %1"},                  // Swedish
    {0x1F, L"%1 Hakkında "},           // Turkish; ends in a blank
    {0x22, L"Про програму %1"},        // Ukrainian
    {0x23, L"Пра праграму %1"},        // Belarusian
    {0x26, L"Par %1"},                 // Latvian
    {0x041A, L"O Programu %1"},        // Croatian (Croatia)
    {0x0804, L"关于 %1"},              // Chinese (PRC)
};

// "Online Help"
const TTranslation OnlineHelp[] = {
    {0x01, L"تعليمات عبر الإنترنت"},   // Arabic
    {0x02, L"Онлайн помощ"},           // Bulgarian
    {0x04, L"線上說明"},               // Chinese (traditional)
    {0x05, L"Online nápověda"},        // Czech
    {0x06, L"Onlinehjælp"},            // Danish
    {0x07, L"Onlinehilfe"},            // German
    {0x08, L"Ηλεκτρονική βοήθεια"},    // Greek
    {0x0A, L"Ayuda en pantalla"},      // Spanish
    {0x0C, L"Aide en ligne"},          // French
    {0x0E, L"Online súgó"},            // Hungarian
    {0x10, L"Guida online"},           // Italian
    {0x11, L"オンライン ヘルプ"},      // Japanese
    {0x12, L"온라인 도움말"},          // Korean
    {0x13, L"Online hulp"},            // Dutch
    {0x15, L"Pomoc online"},           // Polish
    {0x16, L"Ajuda online"},           // Portuguese
    {0x19, L"Справка в Интернете"},    // Russian
    {0x1A, L"Помоћ на мрежи"},         // Serbian
    {0x1B, L"Pomocník online"},        // Slovak
    {0x1D, L"Onlinehjälp"},            // Swedish
    {0x1F, L"Çevrimiçi Yardım"},       // Turkish
    {0x22, L"Онлайнова довідка"},      // Ukrainian
    {0x23, L"Даведка ў інтэрнэце"},    // Belarusian
    {0x26, L"Tiešsaistes palīdzība"},  // Latvian
    {0x041A, L"Mrežna pomoć"},         // Croatian (Croatia)
    {0x0804, L"联机帮助"},             // Chinese (PRC)
};

// "Transparency"
const TTranslation Transparency[] = {
    {0x01, L"الشفافيه"},         // Arabic
    {0x02, L"Прозрачност"},      // Bulgarian
    {0x04, L"透明度"},           // Chinese (traditional)
    {0x05, L"Průhlednost"},      // Czech
    {0x06, L"Transparent"},      // Danish
    {0x07, L"Transparenz"},      // German
    {0x08, L"Διαφάνεια"},        // Greek
    {0x0A, L"Transparencia"},    // Spanish
    {0x0C, L"Transparence"},     // French
    {0x0E, L"Átlátszóság"},      // Hungarian
    {0x10, L"Trasparenza"},      // Italian
    {0x11, L"透明度"},           // Japanese
    {0x12, L"투명도"},           // Korean
    {0x13, L"Transparantie"},    // Dutch
    {0x15, L"Przezroczystość"},  // Polish
    {0x16, L"Transparência"},    // Portuguese
    {0x19, L"Прозрачность"},     // Russian
    {0x1A, L"Провидност"},       // Serbian
    {0x1B, L"Priehľadnosť"},     // Slovak
    {0x1D, L"Transparens"},      // Swedish
    {0x1F, L"Şeffaflık "},       // Turkish; ends in a blank
    {0x22, L"Прозорість"},       // Ukrainian
    {0x23, L"Празрыстасць"},     // Belarusian
    {0x26, L"Caurspīdīgums"},    // Latvian
    {0x041A, L"Prozirnost"},     // Croatian (Croatia)
    {0x0804, L"透明度"},         // Chinese (PRC)
};

// "Settings"
const TTranslation Settings[] = {
    {0x01, L"\u200F\u200Fإعدادات"},  // Arabic; begins with two right-to-left marks (U+200F)
    {0x02, L"Настройки"},            // Bulgarian
    {0x04, L"設定"},                 // Chinese (traditional)
    {0x05, L"Nastavení"},            // Czech
    {0x06, L"Indstillinger"},        // Danish
    {0x07, L"Einstellungen"},        // German
    {0x08, L"Ρυθμίσεις"},            // Greek
    {0x0A, L"Configuración"},        // Spanish
    {0x0C, L"Paramètres"},           // French
    {0x0E, L"Beállítások"},          // Hungarian
    {0x10, L"Impostazioni"},         // Italian
    {0x11, L"設定"},                 // Japanese
    {0x12, L"설정"},                 // Korean
    {0x13, L"Instellingen"},         // Dutch
    {0x15, L"Ustawienia"},           // Polish
    {0x16, L"Configurações"},        // Portuguese
    {0x19, L"Параметры"},            // Russian
    {0x1B, L"Nastavenie"},           // Slovak
    {0x1D, L"Inställningar"},        // Swedish
    {0x1F, L"Ayarlar"},              // Turkish
    {0x22, L"Настройки"},            // Ukrainian
    {0x23, L"Налады"},               // Belarusian
    {0x26, L"Iestatījumi"},          // Latvian
    {0x041A, L"Postavke"},           // Croatian (Croatia)
    {0x0804, L"设置"},               // Chinese (PRC)
};

// "Kind"
const TTranslation Kind[] = {
    {0x01, L"فئة"},        // Arabic
    {0x02, L"Вид"},        // Bulgarian
    {0x04, L"種類"},       // Chinese (traditional)
    {0x05, L"Druh"},       // Czech
    {0x06, L"Slags"},      // Danish
    {0x07, L"Art"},        // German
    {0x08, L"Είδος"},      // Greek
    {0x0A, L"Clase"},      // Spanish
    {0x0C, L"Sorte"},      // French
    {0x0E, L"Jelleg"},     // Hungarian
    {0x10, L"Tipologia"},  // Italian
    {0x11, L"分類"},       // Japanese
    {0x12, L"종류"},       // Korean
    {0x13, L"Soort"},      // Dutch
    {0x15, L"Rodzaj"},     // Polish
    {0x16, L"Espécie"},    // Portuguese
    {0x19, L"Вид"},        // Russian
    {0x1B, L"Druh"},       // Slovak
    {0x1D, L"Sort"},       // Swedish
    {0x1F, L"Tip"},        // Turkish
    {0x22, L"Вид"},        // Ukrainian
    {0x23, L"Тып"},        // Belarusian
    {0x26, L"Veids"},      // Latvian
    {0x041A, L"Tip"},      // Croatian (Croatia)
    {0x0804, L"种类"},     // Chinese (PRC)
};

// "Colors"
const TTranslation Colors[] = {
    {0x01, L"الألوان"},           // Arabic
    {0x02, L"Цветове"},           // Bulgarian
    {0x04, L"色彩"},              // Chinese (traditional)
    {0x05, L"Barvy"},             // Czech
    {0x06, L"Farver"},            // Danish
    {0x07, L"Farbe"},             // German
    {0x08, L"Χρώματα"},           // Greek
    {0x0A, L"Colores"},           // Spanish
    {0x0C, L"Couleurs"},          // French
    {0x0E, L"Színek"},            // Hungarian
    {0x10, L"Colori"},            // Italian
    {0x11, L"画面の色"},          // Japanese
    {0x12, L"색"},                // Korean
    {0x13, L"Kleuren"},           // Dutch
    {0x15, L"Kolory"},            // Polish
    {0x16, L"Cores"},             // Portuguese
    {0x19, L"Цветовая палитра"},  // Russian
    {0x1B, L"Farby"},             // Slovak
    {0x1D, L"Färger"},            // Swedish
    {0x1F, L"Renkler"},           // Turkish
    {0x22, L"Палітра"},           // Ukrainian
    {0x23, L"Колеры"},            // Belarusian
    {0x26, L"Krāsas"},            // Latvian
    {0x041A, L"Boje"},            // Croatian (Croatia)
    {0x0804, L"颜色"},            // Chinese (PRC)
};

// "Close"
const TTranslation Close[] = {
    {0x01, L"إغلاق"},       // Arabic
    {0x02, L"Затвори"},     // Bulgarian
    {0x04, L"關閉"},        // Chinese (traditional)
    {0x05, L"Zavřít"},      // Czech
    {0x06, L"Luk"},         // Danish
    {0x07, L"Schließen"},   // German
    {0x08, L"Κλείσιμο"},    // Greek
    {0x0A, L"Cerrar"},      // Spanish
    {0x0C, L"Fermer"},      // French
    {0x0E, L"Bezárás"},     // Hungarian
    {0x10, L"Chiudi"},      // Italian
    {0x11, L"キャンセル"},  // Japanese
    {0x12, L"닫기"},        // Korean
    {0x13, L"Sluiten"},     // Dutch
    {0x15, L"Zamknij"},     // Polish
    {0x16, L"Fechar"},      // Portuguese
    {0x19, L"Закрыть"},     // Russian
    {0x1B, L"Zavrieť"},     // Slovak
    {0x1D, L"Stäng"},       // Swedish
    {0x1F, L"Kapat"},       // Turkish
    {0x22, L"Закрити"},     // Ukrainian
    {0x23, L"Закрыць"},     // Belarusian
    {0x26, L"Aizvērt"},     // Latvian
    {0x041A, L"Zatvori"},   // Croatian (Croatia)
    {0x0804, L"关闭"},      // Chinese (PRC)
};

// "Language preferences"
const TTranslation LanguagePreferences[] = {
    {0x01, L"تفضيلات اللغة"},              // Arabic
    {0x02, L"Езикови предпочитания"},      // Bulgarian
    {0x04, L"語言喜好設定"},               // Chinese (traditional)
    {0x05, L"Jazykové preference"},        // Czech
    {0x06, L"Sprogindstillinger"},         // Danish
    {0x07, L"Spracheinstellungen"},        // German
    {0x08, L"Προτιμήσεις γλώσσας"},        // Greek
    {0x0A, L"Preferencias de idioma"},     // Spanish
    {0x0C, L"Préférences linguistiques"},  // French
    {0x0E, L"Nyelvi beállítások"},         // Hungarian
    {0x10, L"Preferenze lingua"},          // Italian
    {0x11, L"言語設定"},                   // Japanese
    {0x12, L"언어 기본 설정"},             // Korean
    {0x13, L"Taalvoorkeuren"},             // Dutch
    {0x15, L"Preferencje języka"},         // Polish
    {0x16, L"Preferências de idioma"},     // Portuguese
    {0x19, L"Настройки языка"},            // Russian
    {0x1B, L"Predvoľby jazyka"},           // Slovak
    {0x1D, L"Språkinställningar"},         // Swedish
    {0x1F, L"Dil tercihleri"},             // Turkish
    {0x22, L"Мовні параметри"},            // Ukrainian
    {0x23, L"Налады мовы"},                // Belarusian
    {0x26, L"Valodas preferences"},        // Latvian
    {0x041A, L"Jezične preferencije"},     // Croatian (Croatia)
    {0x0804, L"语言首选项"},               // Chinese (PRC)
};

// "Like this app? Please, rate it."
const TTranslation RateThisApp[] = {
    {0x01, L".هل اعجبك هذا التطبيق؟ الرجاء قيمنا من"},                             // Arabic
    {0x02, L"Подобно на това приложение? Моля, оценете го."},                      // Bulgarian
    {0x04, L"喜歡這款應用嗎？請給我們評個五星吧。"},                               // Chinese (traditional)
    {0x05, L"Líbí se Vám aplikace? Prosím dejte nám."},                            // Czech
    {0x06, L"Kan du lide denne app? Bedøm os venligst med."},                      // Danish
    {0x07, L"Mögen Sie die App? Bitte bewerten Sie uns."},                         // German
    {0x08, L"Θέλετε να βαθμολογήστε την εφαρμογή; Παρακαλώ δώστε."},               // Greek
    {0x0A, L"¿Te gusta esta aplicación? Por favor, califícanos con."},             // Spanish
    {0x0C, L"Vous aimez cette app? S’il vous plaît, notez-la."},                   // French
    {0x0E, L"Tetszik az alkalmazás? Kérlek, értékelj."},                           // Hungarian
    {0x10, L"Ti piace questa app? Votala con."},                                   // Italian
    {0x11, L"お役にたてていますか？お気に召したのなら5つ星を投票してください。"},  // Japanese
    {0x12, L"이 앱이 마음에 드십니까? 별점 평가를 부탁드립니다."},                 // Korean
    {0x13, L"Vindt u deze app leuk? Beoordeelt u ons aub met."},                   // Dutch
    {0x15, L"Spodobał Ci się ten program? Oceń na."},                              // Polish
    {0x16, L"Gostou? Por favor, avalie-nos em."},                                  // Portuguese
    {0x19, L"Нравится это приложение? Пожалуйста, оцените его."},                  // Russian
    {0x1B, L"Páči sa vám aplikácia? Prosím ohodnoďte nás."},                       // Slovak
    {0x1D, L"Gillar du denna app? Var vänlig lämna betyg."},                       // Swedish
    {0x1F, L"Uygulamayı beğendin mi? Lütfen, bizi değerlendirin."},                // Turkish
    {0x22, L"Подобається це додаток? Будь ласка, оцініть його."},                  // Ukrainian
    {0x23, L"Падабаецца гэта дадатак? Калі ласка, ацаніце яго."},                  // Belarusian
    {0x26, L"Tāpat kā šī lietotne? Lūdzu, novērtējiet to."},                       // Latvian
    {0x041A, L"Sviđa vam se ova aplikacija? Molimo vas da nas ocijenite."},        // Croatian (Croatia)
    {0x0804, L"喜欢这款应用吗？请给我们评个五星吧。"},                             // Chinese (PRC)
};

// "Please purchase %1 to access premium features and help us further improve this app."
const TTranslation PleasePurchase[] =
    {
        {0x04, L"請您購買『%1』來使用全部特性，並幫助我們在今後持續改進這個應用。"},  // Chinese (traditional)
        {0x05,
         L"Prosím zvažte koupi %1, abyste měli přístup ke všem funkcím a pomohli nám neustále vylepšovat tuto "
         L"aplikaci."},  // Czech
        {0x07,
         L"Bitte kaufen Sie %1, um Premium-Funktionen nutzen zu können. Außerdem helfen Sie uns, diese Anwendung "
         L"weiter zu verbessern."},  // German
        {0x08,
         L"Παρακαλώ αγοράστε το %1 για να έχετε πρόσβαση σε όλες τις δυνατότητες και για να μας βοηθήσετε να "
         L"βελτιώσουμε την εφαρμογή."},  // Greek
        {0x0A,
         L"Por favor, compre %1 para acceder a todas las características y ayudarnos a seguir mejorando esta "
         L"aplicación."},  // Spanish
        {0x0C,
         L"Merci d’acheter %1 afin d’accéder à tous les paramètres et nous aider à améliorer encore cette "
         L"application."},                                                         // French
        {0x10, L"Per favore, acquista %1 per accedere a tutte le impostazioni."},  // Italian
        {0x11,
         L"このアプリケーションはコンピューターの画面に仮想キーボードを表示するため、ポインティングデバイスまたはタッチ"
         L"スクリーンを使用して入力することができます。"},                                     // Japanese
        {0x12, L"%1을 구매하여 고급 기능을 활성화하고 앱의 발전에 도움을 주실 수 있습니다."},  // Korean
        {0x13,
         L"Schaft u alstublieft %1 aan om toegang te krijgen tot alle functionaliteiten en om ons te helpen deze app "
         L"verder te verbeteren."},                                                                      // Dutch
        {0x15, L"Kup “%1”, by zyskać dostęp do dodatkowych fukcji i pomóc nam ulepszać tę aplikację."},  // Polish
        {0x16, L"Por favor compre o %1 para aceder a todas as suas funcionalidades e ajude-nos a melhorar a "
               L"aplicação."},  // Portuguese
        {0x19,
         L"Пожалуйста, приобретите %1 для доступа ко всем настройкам, а также, чтобы помочь нам и дальше улучшать это "
         L"приложение."},                                                                                   // Russian
        {0x1D, L"Vänligen köp %1 för få premiumfunktioner och hjälp oss att förbättra denna app vidare."},  // Swedish
        {0x1F,
         L"Premium özelliklere erişmek ve bu uygulamayı daha fazla geliştirmemize yardımcı olmak için lütfen %1'u "
         L"satın alın."},  // Turkish
        {0x22,
         L"Будь ласка, придбайте %1 для доступу до всіх налаштувань та щоб допомогти нам у подальшому покращенню цієї "
         L"програми."},                                                           // Ukrainian
        {0x0804, L"请购买“%1”以使用全部功能，并帮助我们今后逐步完善这款应用。"},  // Chinese (PRC)
};

// "Online Keyboard"
const TTranslation OnlineKeyboard[] = {
    {0x01, L"لوحة المفاتيح على الانترنت"},  // Arabic
    {0x02, L"Онлайн клавиатура"},           // Bulgarian
    {0x04, L"線上鍵盤"},                    // Chinese (traditional)
    {0x05, L"Online klávesnice"},           // Czech
    {0x06, L"Online tastatur"},             // Danish
    {0x07, L"Online-Tastatur"},             // German
    {0x08, L"Online πληκτρολόγιο"},         // Greek
    {0x0A, L"Teclado en línea"},            // Spanish
    {0x0C, L"Clavier en ligne"},            // French
    {0x0E, L"Online billentyűzet"},         // Hungarian
    {0x10, L"Tastiera in linea"},           // Italian
    {0x11, L"オンラインキーボード"},        // Japanese
    {0x12, L"온라인 키보드"},               // Korean
    {0x13, L"Online toetsenbord"},          // Dutch
    {0x15, L"Klawiatura internetowa"},      // Polish
    {0x16, L"Teclado on-line"},             // Portuguese
    {0x19, L"Онлайн-клавиатура"},           // Russian
    {0x1A, L"Онлине тастатура"},            // Serbian
    {0x1B, L"Online klávesnica"},           // Slovak
    {0x1D, L"Online tangentbord"},          // Swedish
    {0x1F, L"Çevrimiçi Klavye"},            // Turkish
    {0x22, L"Онлайн клавіатура"},           // Ukrainian
    {0x23, L"Онлайн клавіятура"},           // Belarusian
    {0x24, L"Spletna tipkovnica"},          // Slovenian
    {0x26, L"Tiešsaistes tastatūra"},       // Latvian
    {0x29, L"صفحه کلید آنلاین"},            // Persian
    {0x041A, L"Online tipkovnica"},         // Croatian (Croatia)
    {0x0804, L"在线键盘"},                  // Chinese (PRC)
};

// Texts of the keypad layouts and of keeping clear of the text cursor.
// "Full"
const TTranslation Full[] = {
    {0x01, L"كامل"},         // Arabic
    {0x02, L"Пълна"},        // Bulgarian
    {0x04, L"完整"},         // Chinese (traditional)
    {0x05, L"Úplná"},        // Czech
    {0x06, L"Fuld"},         // Danish
    {0x07, L"Vollständig"},  // German
    {0x08, L"Πλήρες"},       // Greek
    {0x0A, L"Completo"},     // Spanish
    {0x0C, L"Complet"},      // French
    {0x0E, L"Teljes"},       // Hungarian
    {0x10, L"Completa"},     // Italian
    {0x11, L"フル"},         // Japanese
    {0x12, L"전체"},         // Korean
    {0x13, L"Volledig"},     // Dutch
    {0x15, L"Pełna"},        // Polish
    {0x16, L"Completo"},     // Portuguese
    {0x19, L"Полная"},       // Russian
    {0x1A, L"Пуна"},         // Serbian
    {0x1B, L"Úplná"},        // Slovak
    {0x1D, L"Fullständig"},  // Swedish
    {0x1F, L"Tam"},          // Turkish
    {0x22, L"Повна"},        // Ukrainian
    {0x23, L"Поўная"},       // Belarusian
    {0x24, L"Polna"},        // Slovenian
    {0x26, L"Pilna"},        // Latvian
    {0x29, L"کامل"},         // Persian
    {0x041A, L"Puna"},       // Croatian (Croatia)
    {0x0804, L"完整"},       // Chinese (PRC)
};

// "Numeric pad"
const TTranslation NumericPad[] = {
    {0x01, L"لوحة الأرقام"},             // Arabic
    {0x02, L"Цифров блок"},              // Bulgarian
    {0x04, L"數字鍵台"},                 // Chinese (traditional)
    {0x05, L"Numerická klávesnice"},     // Czech
    {0x06, L"Numerisk tastatur"},        // Danish
    {0x07, L"Ziffernblock"},             // German
    {0x08, L"Αριθμητικό πληκτρολόγιο"},  // Greek
    {0x0A, L"Teclado numérico"},         // Spanish
    {0x0C, L"Pavé numérique"},           // French
    {0x0E, L"Számbillentyűzet"},         // Hungarian
    {0x10, L"Tastierino numerico"},      // Italian
    {0x11, L"テンキー"},                 // Japanese
    {0x12, L"숫자 키패드"},              // Korean
    {0x13, L"Numeriek toetsenblok"},     // Dutch
    {0x15, L"Klawiatura numeryczna"},    // Polish
    {0x16, L"Teclado numérico"},         // Portuguese
    {0x19, L"Цифровая клавиатура"},      // Russian
    {0x1A, L"Нумеричка тастатура"},      // Serbian
    {0x1B, L"Numerická klávesnica"},     // Slovak
    {0x1D, L"Numeriskt tangentbord"},    // Swedish
    {0x1F, L"Sayısal tuş takımı"},       // Turkish
    {0x22, L"Цифрова клавіатура"},       // Ukrainian
    {0x23, L"Лічбавая клавіятура"},      // Belarusian
    {0x24, L"Številčnica"},              // Slovenian
    {0x26, L"Ciparu tastatūra"},         // Latvian
    {0x29, L"صفحه\u200Cکلید عددی"},      // Persian
    {0x041A, L"Numerička tipkovnica"},   // Croatian (Croatia)
    {0x0804, L"数字键盘"},               // Chinese (PRC)
};

// "Keep clear of the text cursor"
const TTranslation KeepClear[] = {
    {0x01, L"الابتعاد عن مؤشر النص"},             // Arabic
    {0x02, L"Отдръпване от текстовия курсор"},    // Bulgarian
    {0x04, L"避開文字游標"},                      // Chinese (traditional)
    {0x05, L"Uhýbat textovému kurzoru"},          // Czech
    {0x06, L"Hold afstand til tekstmarkøren"},    // Danish
    {0x07, L"Der Schreibmarke ausweichen"},       // German
    {0x08, L"Αποφυγή του δρομέα κειμένου"},       // Greek
    {0x0A, L"Apartarse del cursor de texto"},     // Spanish
    {0x0C, L"Éviter le curseur de texte"},        // French
    {0x0E, L"A szövegkurzor szabadon hagyása"},   // Hungarian
    {0x10, L"Non coprire il cursore di testo"},   // Italian
    {0x11, L"テキスト カーソルを避ける"},         // Japanese
    {0x12, L"텍스트 커서 피하기"},                // Korean
    {0x13, L"Tekstcursor vrijhouden"},            // Dutch
    {0x15, L"Nie zasłaniaj kursora tekstu"},      // Polish
    {0x16, L"Afastar-se do cursor de texto"},     // Portuguese
    {0x19, L"Не закрывать текстовый курсор"},     // Russian
    {0x1A, L"Не заклањај текстуални курсор"},     // Serbian
    {0x1B, L"Nezakrývať textový kurzor"},         // Slovak
    {0x1D, L"Håll undan för textmarkören"},       // Swedish
    {0x1F, L"Metin imlecini kapatma"},            // Turkish
    {0x22, L"Не закривати текстовий курсор"},     // Ukrainian
    {0x23, L"Не закрываць тэкставы курсор"},      // Belarusian
    {0x24, L"Ne prekrivaj besedilnega kazalca"},  // Slovenian
    {0x26, L"Neaizsegt teksta kursoru"},          // Latvian
    {0x29, L"دوری از مکان\u200Cنمای متن"},        // Persian
    {0x041A, L"Ne zaklanjaj tekstni kursor"},     // Croatian (Croatia)
    {0x0804, L"避开文本光标"},                    // Chinese (PRC)
};

// "Word suggestions"
const TTranslation WordSuggestions[] = {
    {0x01, L"اقتراحات الكلمات"},         // Arabic
    {0x02, L"Предложения за думи"},      // Bulgarian
    {0x04, L"字詞建議"},                 // Chinese (traditional)
    {0x05, L"Návrhy slov"},              // Czech
    {0x06, L"Ordforslag"},               // Danish
    {0x07, L"Wortvorschläge"},           // German
    {0x08, L"Προτάσεις λέξεων"},         // Greek
    {0x0A, L"Sugerencias de palabras"},  // Spanish
    {0x0C, L"Suggestions de mots"},      // French
    {0x0E, L"Szójavaslatok"},            // Hungarian
    {0x10, L"Suggerimenti di parole"},   // Italian
    {0x11, L"単語の候補"},               // Japanese
    {0x12, L"단어 추천"},                // Korean
    {0x13, L"Woordsuggesties"},          // Dutch
    {0x15, L"Podpowiedzi słów"},         // Polish
    {0x16, L"Sugestões de palavras"},    // Portuguese
    {0x19, L"Подсказки слов"},           // Russian
    {0x1A, L"Предлози речи"},            // Serbian
    {0x1B, L"Návrhy slov"},              // Slovak
    {0x1D, L"Ordförslag"},               // Swedish
    {0x1F, L"Kelime önerileri"},         // Turkish
    {0x22, L"Підказки слів"},            // Ukrainian
    {0x23, L"Падказкі слоў"},            // Belarusian
    {0x24, L"Predlogi besed"},           // Slovenian
    {0x26, L"Vārdu ieteikumi"},          // Latvian
    {0x29, L"پیشنهاد واژه\u200Cها"},     // Persian
    {0x041A, L"Prijedlozi riječi"},      // Croatian (Croatia)
    {0x0804, L"字词建议"},               // Chinese (PRC)
};

// "Scanning"
const TTranslation Scanning[] = {
    {0x01, L"المسح"},         // Arabic
    {0x02, L"Сканиране"},     // Bulgarian
    {0x04, L"掃描"},          // Chinese (traditional)
    {0x05, L"Skenování"},     // Czech
    {0x06, L"Skanning"},      // Danish
    {0x07, L"Scannen"},       // German
    {0x08, L"Σάρωση"},        // Greek
    {0x0A, L"Barrido"},       // Spanish
    {0x0C, L"Balayage"},      // French
    {0x0E, L"Pásztázás"},     // Hungarian
    {0x10, L"Scansione"},     // Italian
    {0x11, L"スキャン"},      // Japanese
    {0x12, L"스캔"},          // Korean
    {0x13, L"Scannen"},       // Dutch
    {0x15, L"Skanowanie"},    // Polish
    {0x16, L"Varredura"},     // Portuguese
    {0x19, L"Сканирование"},  // Russian
    {0x1A, L"Скенирање"},     // Serbian
    {0x1B, L"Skenovanie"},    // Slovak
    {0x1D, L"Skanning"},      // Swedish
    {0x1F, L"Tarama"},        // Turkish
    {0x22, L"Сканування"},    // Ukrainian
    {0x23, L"Сканаванне"},    // Belarusian
    {0x24, L"Skeniranje"},    // Slovenian
    {0x26, L"Skenēšana"},     // Latvian
    {0x29, L"پویش"},          // Persian
    {0x041A, L"Skeniranje"},  // Croatian (Croatia)
    {0x0804, L"扫描"},        // Chinese (PRC)
};

// "Click sound"
const TTranslation ClickSound[] = {
    {0x01, L"صوت النقر"},          // Arabic
    {0x02, L"Звук при щракване"},  // Bulgarian
    {0x04, L"按鍵音效"},           // Chinese (traditional)
    {0x05, L"Zvuk kliknutí"},      // Czech
    {0x06, L"Kliklyd"},            // Danish
    {0x07, L"Klickton"},           // German
    {0x08, L"Ήχος κλικ"},          // Greek
    {0x0A, L"Sonido de clic"},     // Spanish
    {0x0C, L"Son du clic"},        // French
    {0x0E, L"Kattintás hangja"},   // Hungarian
    {0x10, L"Suono del clic"},     // Italian
    {0x11, L"クリック音"},         // Japanese
    {0x12, L"클릭 소리"},          // Korean
    {0x13, L"Klikgeluid"},         // Dutch
    {0x15, L"Dźwięk kliknięcia"},  // Polish
    {0x16, L"Som de clique"},      // Portuguese
    {0x19, L"Звук нажатия"},       // Russian
    {0x1A, L"Звук клика"},         // Serbian
    {0x1B, L"Zvuk kliknutia"},     // Slovak
    {0x1D, L"Klickljud"},          // Swedish
    {0x1F, L"Tıklama sesi"},       // Turkish
    {0x22, L"Звук натискання"},    // Ukrainian
    {0x23, L"Гук націску"},        // Belarusian
    {0x24, L"Zvok klika"},         // Slovenian
    {0x26, L"Klikšķa skaņa"},      // Latvian
    {0x29, L"صدای کلیک"},          // Persian
    {0x041A, L"Zvuk klika"},       // Croatian (Croatia)
    {0x0804, L"按键音"},           // Chinese (PRC)
};

// "Space after a suggestion"
const TTranslation SuggestionSpace[] = {
    {0x01, L"مسافة بعد الاقتراح"},           // Arabic
    {0x02, L"Интервал след предложение"},    // Bulgarian
    {0x04, L"建議後加空格"},                 // Chinese (traditional)
    {0x05, L"Mezera za návrhem"},            // Czech
    {0x06, L"Mellemrum efter forslag"},      // Danish
    {0x07, L"Leerzeichen nach Vorschlag"},   // German
    {0x08, L"Κενό μετά την πρόταση"},        // Greek
    {0x0A, L"Espacio tras una sugerencia"},  // Spanish
    {0x0C, L"Espace après une suggestion"},  // French
    {0x0E, L"Szóköz a javaslat után"},       // Hungarian
    {0x10, L"Spazio dopo un suggerimento"},  // Italian
    {0x11, L"候補の後にスペース"},           // Japanese
    {0x12, L"추천 단어 뒤에 공백"},          // Korean
    {0x13, L"Spatie na een suggestie"},      // Dutch
    {0x15, L"Spacja po podpowiedzi"},        // Polish
    {0x16, L"Espaço após uma sugestão"},     // Portuguese
    {0x19, L"Пробел после подсказки"},       // Russian
    {0x1A, L"Размак после предлога"},        // Serbian
    {0x1B, L"Medzera za návrhom"},           // Slovak
    {0x1D, L"Blanksteg efter förslag"},      // Swedish
    {0x1F, L"Öneriden sonra boşluk"},        // Turkish
    {0x22, L"Пробіл після підказки"},        // Ukrainian
    {0x23, L"Прабел пасля падказкі"},        // Belarusian
    {0x24, L"Presledek za predlogom"},       // Slovenian
    {0x26, L"Atstarpe pēc ieteikuma"},       // Latvian
    {0x29, L"فاصله پس از پیشنهاد"},          // Persian
    {0x041A, L"Razmak nakon prijedloga"},    // Croatian (Croatia)
    {0x0804, L"建议后加空格"},               // Chinese (PRC)
};

// "Learn my words"
const TTranslation LearnMyWords[] = {
    {0x01, L"تعلّم كلماتي"},                  // Arabic
    {0x02, L"Запомняне на моите думи"},      // Bulgarian
    {0x04, L"學習我的字詞"},                 // Chinese (traditional)
    {0x05, L"Učit se moje slova"},           // Czech
    {0x06, L"Lær mine ord"},                 // Danish
    {0x07, L"Meine Wörter lernen"},          // German
    {0x08, L"Εκμάθηση των λέξεών μου"},      // Greek
    {0x0A, L"Aprender mis palabras"},        // Spanish
    {0x0C, L"Apprendre mes mots"},           // French
    {0x0E, L"Saját szavaim megtanulása"},    // Hungarian
    {0x10, L"Impara le mie parole"},         // Italian
    {0x11, L"自分の単語を学習"},             // Japanese
    {0x12, L"내 단어 학습"},                 // Korean
    {0x13, L"Mijn woorden leren"},           // Dutch
    {0x15, L"Ucz się moich słów"},           // Polish
    {0x16, L"Aprender as minhas palavras"},  // Portuguese
    {0x19, L"Запоминать мои слова"},         // Russian
    {0x1A, L"Учи моје речи"},                // Serbian
    {0x1B, L"Učiť sa moje slová"},           // Slovak
    {0x1D, L"Lär dig mina ord"},             // Swedish
    {0x1F, L"Kelimelerimi öğren"},           // Turkish
    {0x22, L"Запам'ятовувати мої слова"},    // Ukrainian
    {0x23, L"Запамінаць мае словы"},         // Belarusian
    {0x24, L"Učenje mojih besed"},           // Slovenian
    {0x26, L"Mācīties manus vārdus"},        // Latvian
    {0x29, L"یادگیری واژه\u200Cهای من"},     // Persian
    {0x041A, L"Uči moje riječi"},            // Croatian (Croatia)
    {0x0804, L"学习我的字词"},               // Chinese (PRC)
};

// "Forget learned words"
const TTranslation ForgetLearnedWords[] = {
    {0x01, L"نسيان الكلمات المتعلَّمة"},                     // Arabic
    {0x02, L"Забравяне на научените думи"},                // Bulgarian
    {0x04, L"清除已學習的字詞"},                           // Chinese (traditional)
    {0x05, L"Zapomenout naučená slova"},                   // Czech
    {0x06, L"Glem lærte ord"},                             // Danish
    {0x07, L"Gelernte Wörter vergessen"},                  // German
    {0x08, L"Διαγραφή των λέξεων που μαθεύτηκαν"},         // Greek
    {0x0A, L"Olvidar las palabras aprendidas"},            // Spanish
    {0x0C, L"Oublier les mots appris"},                    // French
    {0x0E, L"Megtanult szavak elfelejtése"},               // Hungarian
    {0x10, L"Dimentica le parole apprese"},                // Italian
    {0x11, L"学習した単語を消去"},                         // Japanese
    {0x12, L"학습한 단어 지우기"},                         // Korean
    {0x13, L"Geleerde woorden vergeten"},                  // Dutch
    {0x15, L"Zapomnij nauczone słowa"},                    // Polish
    {0x16, L"Esquecer as palavras aprendidas"},            // Portuguese
    {0x19, L"Забыть выученные слова"},                     // Russian
    {0x1A, L"Заборави научене речи"},                      // Serbian
    {0x1B, L"Zabudnúť naučené slová"},                     // Slovak
    {0x1D, L"Glöm inlärda ord"},                           // Swedish
    {0x1F, L"Öğrenilen kelimeleri unut"},                  // Turkish
    {0x22, L"Забути вивчені слова"},                       // Ukrainian
    {0x23, L"Забыць вывучаныя словы"},                     // Belarusian
    {0x24, L"Pozabi naučene besede"},                      // Slovenian
    {0x26, L"Aizmirst iemācītos vārdus"},                  // Latvian
    {0x29, L"فراموش کردن واژه\u200Cهای آموخته\u200Cشده"},  // Persian
    {0x041A, L"Zaboravi naučene riječi"},                  // Croatian (Croatia)
    {0x0804, L"清除已学习的字词"},                         // Chinese (PRC)
};

// "Forget all the words learned from your typing? This cannot be undone."
const TTranslation ForgetLearnedWordsQuestion[] = {
    {0x01, L"هل تريد نسيان كل الكلمات التي تم تعلّمها من كتابتك؟ لا يمكن التراجع عن ذلك."},             // Arabic
    {0x02, L"Да се забравят ли всички думи, научени от писането ви? Това не може да бъде отменено."},  // Bulgarian
    {0x04, L"要清除從您的輸入中學習到的所有字詞嗎？此動作無法復原。"},                         // Chinese (traditional)
    {0x05, L"Zapomenout všechna slova naučená z vašeho psaní? Tuto akci nelze vrátit zpět."},  // Czech
    {0x06, L"Vil du glemme alle ord, der er lært af det, du skriver? Det kan ikke fortrydes."},  // Danish
    {0x07,
     L"Alle aus Ihren Eingaben gelernten Wörter vergessen? Dies kann nicht rückgängig gemacht werden."},  // German
    {
        0x08, L"Να διαγραφούν όλες οι λέξεις που μαθεύτηκαν από την πληκτρολόγησή σας; Η ενέργεια αυτή δεν "
              L"αναιρείται."},                                                                               // Greek
    {0x0A, L"¿Olvidar todas las palabras aprendidas de lo que escribe? Esta acción no se puede deshacer."},  // Spanish
    {0x0C, L"Oublier tous les mots appris de votre saisie ? Cette action est irréversible."},                // French
    {0x0E, L"Elfelejti a gépeléséből megtanult összes szót? Ez a művelet nem vonható vissza."},  // Hungarian
    {0x10,
     L"Dimenticare tutte le parole apprese da ciò che scrivi? L'operazione non può essere annullata."},     // Italian
    {0x11, L"入力から学習したすべての単語を消去しますか? この操作は元に戻せません。"},                      // Japanese
    {0x12, L"입력에서 학습한 모든 단어를 지우시겠습니까? 이 작업은 되돌릴 수 없습니다."},                   // Korean
    {0x13, L"Alle woorden vergeten die van uw typen zijn geleerd? Dit kan niet ongedaan worden gemaakt."},  // Dutch
    {0x15, L"Zapomnieć wszystkie słowa nauczone z Twojego pisania? Tej operacji nie można cofnąć."},        // Polish
    {0x16,
     L"Esquecer todas as palavras aprendidas com a sua digitação? Esta ação não pode ser desfeita."},  // Portuguese
    {0x19, L"Забыть все слова, выученные из вашего ввода? Это действие нельзя отменить."},             // Russian
    {0x1A, L"Заборавити све речи научене из вашег куцања? Ово се не може опозвати."},                  // Serbian
    {0x1B, L"Zabudnúť všetky slová naučené z vášho písania? Túto akciu nie je možné vrátiť späť."},    // Slovak
    {0x1D, L"Vill du glömma alla ord som lärts in från det du skriver? Det går inte att ångra."},      // Swedish
    {0x1F, L"Yazdıklarınızdan öğrenilen tüm kelimeler unutulsun mu? Bu işlem geri alınamaz."},         // Turkish
    {0x22, L"Забути всі слова, вивчені з вашого введення? Цю дію не можна скасувати."},                // Ukrainian
    {0x23, L"Забыць усе словы, вывучаныя з вашага ўводу? Гэта дзеянне нельга адмяніць."},              // Belarusian
    {0x24, L"Želite pozabiti vse besede, naučene iz vašega tipkanja? Tega ni mogoče razveljaviti."},   // Slovenian
    {0x26, L"Aizmirst visus vārdus, kas iemācīti no jūsu rakstītā? To nevar atsaukt."},                // Latvian
    {0x29,
     L"همه واژه\u200Cهایی که از نوشتن شما آموخته شده\u200Cاند فراموش شوند؟ این کار برگشت\u200Cپذیر نیست."},  // Persian
    {0x041A, L"Zaboraviti sve riječi naučene iz vašeg tipkanja? Ovo se ne može poništiti."},  // Croatian (Croatia)
    {0x0804, L"要清除从您的输入中学习到的所有字词吗？此操作无法撤消。"},                      // Chinese (PRC)
};

// "Tick at each step"
const TTranslation TickAtEachStep[] = {
    {0x01, L"نقرة خفيفة عند كل خطوة"},       // Arabic
    {0x02, L"Тих звук при всяка стъпка"},    // Bulgarian
    {0x04, L"每步發出提示音"},               // Chinese (traditional)
    {0x05, L"Tiknutí při každém kroku"},     // Czech
    {0x06, L"Tik ved hvert trin"},           // Danish
    {0x07, L"Ticken bei jedem Schritt"},     // German
    {0x08, L"Ήχος σε κάθε βήμα"},            // Greek
    {0x0A, L"Tic en cada paso"},             // Spanish
    {0x0C, L"Tic à chaque pas"},             // French
    {0x0E, L"Kattanás minden lépésnél"},     // Hungarian
    {0x10, L"Tic a ogni passo"},             // Italian
    {0x11, L"ステップごとに音を鳴らす"},     // Japanese
    {0x12, L"단계마다 틱 소리"},             // Korean
    {0x13, L"Tik bij elke stap"},            // Dutch
    {0x15, L"Tyknięcie przy każdym kroku"},  // Polish
    {0x16, L"Tique a cada passo"},           // Portuguese
    {0x19, L"Звук на каждом шаге"},          // Russian
    {0x1A, L"Звук на сваком кораку"},        // Serbian
    {0x1B, L"Tiknutie pri každom kroku"},    // Slovak
    {0x1D, L"Tick vid varje steg"},          // Swedish
    {0x1F, L"Her adımda tık sesi"},          // Turkish
    {0x22, L"Звук на кожному кроці"},        // Ukrainian
    {0x23, L"Гук на кожным кроку"},          // Belarusian
    {0x24, L"Tik ob vsakem koraku"},         // Slovenian
    {0x26, L"Tikšķis katrā solī"},           // Latvian
    {0x29, L"صدای تیک در هر گام"},           // Persian
    {0x041A, L"Zvuk pri svakom koraku"},     // Croatian (Croatia)
    {0x0804, L"每步发出提示音"},             // Chinese (PRC)
};

// "Scan time"
const TTranslation ScanTime[] = {
    {0x01, L"زمن المسح"},        // Arabic
    {0x02, L"Време на стъпка"},  // Bulgarian
    {0x04, L"掃描間隔"},         // Chinese (traditional)
    {0x05, L"Doba skenování"},   // Czech
    {0x06, L"Skanningstid"},     // Danish
    {0x07, L"Scanzeit"},         // German
    {0x08, L"Χρόνος σάρωσης"},   // Greek
    {0x0A, L"Intervalo"},        // Spanish
    {0x0C, L"Intervalle"},       // French
    {0x0E, L"Pásztázási idő"},   // Hungarian
    {0x10, L"Intervallo"},       // Italian
    {0x11, L"スキャン間隔"},     // Japanese
    {0x12, L"스캔 간격"},        // Korean
    {0x13, L"Scantijd"},         // Dutch
    {0x15, L"Czas skanowania"},  // Polish
    {0x16, L"Intervalo"},        // Portuguese
    {0x19, L"Интервал"},         // Russian
    {0x1A, L"Интервал"},         // Serbian
    {0x1B, L"Čas skenovania"},   // Slovak
    {0x1D, L"Skanningstid"},     // Swedish
    {0x1F, L"Tarama süresi"},    // Turkish
    {0x22, L"Інтервал"},         // Ukrainian
    {0x23, L"Інтэрвал"},         // Belarusian
    {0x24, L"Čas skeniranja"},   // Slovenian
    {0x26, L"Intervāls"},        // Latvian
    {0x29, L"زمان پویش"},        // Persian
    {0x041A, L"Interval"},       // Croatian (Croatia)
    {0x0804, L"扫描间隔"},       // Chinese (PRC)
};

// "Switch key"
const TTranslation SwitchKey[] = {
    {0x01, L"مفتاح التبديل"},      // Arabic
    {0x02, L"Клавиш за избор"},    // Bulgarian
    {0x04, L"開關按鍵"},           // Chinese (traditional)
    {0x05, L"Klávesa spínače"},    // Czech
    {0x06, L"Kontakttast"},        // Danish
    {0x07, L"Auswahltaste"},       // German
    {0x08, L"Διακόπτης"},          // Greek
    {0x0A, L"Pulsador"},           // Spanish
    {0x0C, L"Contacteur"},         // French
    {0x0E, L"Kapcsológomb"},       // Hungarian
    {0x10, L"Tasto sensore"},      // Italian
    {0x11, L"スイッチ キー"},      // Japanese
    {0x12, L"스위치 키"},          // Korean
    {0x13, L"Schakeltoets"},       // Dutch
    {0x15, L"Klawisz wyboru"},     // Polish
    {0x16, L"Acionador"},          // Portuguese
    {0x19, L"Клавиша выбора"},     // Russian
    {0x1A, L"Тастер за избор"},    // Serbian
    {0x1B, L"Kláves spínača"},     // Slovak
    {0x1D, L"Kontakttangent"},     // Swedish
    {0x1F, L"Anahtar tuşu"},       // Turkish
    {0x22, L"Клавіша вибору"},     // Ukrainian
    {0x23, L"Клавіша выбару"},     // Belarusian
    {0x24, L"Tipka stikala"},      // Slovenian
    {0x26, L"Slēdža taustiņš"},    // Latvian
    {0x29, L"کلید انتخاب"},        // Persian
    {0x041A, L"Tipka prekidača"},  // Croatian (Croatia)
    {0x0804, L"开关按键"},         // Chinese (PRC)
};

// "Space"
const TTranslation Space[] = {
    {0x01, L"مسافة"},         // Arabic
    {0x02, L"Интервал"},      // Bulgarian
    {0x04, L"空白鍵"},        // Chinese (traditional)
    {0x05, L"Mezerník"},      // Czech
    {0x06, L"Mellemrum"},     // Danish
    {0x07, L"Leertaste"},     // German
    {0x08, L"Διάστημα"},      // Greek
    {0x0A, L"Espacio"},       // Spanish
    {0x0C, L"Espace"},        // French
    {0x0E, L"Szóköz"},        // Hungarian
    {0x10, L"Spazio"},        // Italian
    {0x11, L"スペース"},      // Japanese
    {0x12, L"스페이스바"},    // Korean
    {0x13, L"Spatie"},        // Dutch
    {0x15, L"Spacja"},        // Polish
    {0x16, L"Espaço"},        // Portuguese
    {0x19, L"Пробел"},        // Russian
    {0x1A, L"Размак"},        // Serbian
    {0x1B, L"Medzerník"},     // Slovak
    {0x1D, L"Blanksteg"},     // Swedish
    {0x1F, L"Boşluk"},        // Turkish
    {0x22, L"Пробіл"},        // Ukrainian
    {0x23, L"Прабел"},        // Belarusian
    {0x24, L"Preslednica"},   // Slovenian
    {0x26, L"Atstarpe"},      // Latvian
    {0x29, L"فاصله"},         // Persian
    {0x041A, L"Razmaknica"},  // Croatian (Croatia)
    {0x0804, L"空格键"},      // Chinese (PRC)
};

// "Scroll Lock": named in the languages whose keyboards name the key in their own words.
const TTranslation ScrollLock[] = {
    {0x07, L"Rollen"},       // German
    {0x0A, L"Bloq Despl"},   // Spanish
    {0x0C, L"Arrêt défil"},  // French
    {0x10, L"Bloc Scorr"},   // Italian
};
// "Hover to type"
const TTranslation HoverToType[] = {
    {0x01, L"الكتابة بالتحويم"},                 // Arabic
    {0x02, L"Писане с посочване"},               // Bulgarian
    {0x04, L"停留輸入"},                         // Chinese (traditional)
    {0x05, L"Psaní najetím"},                    // Czech
    {0x06, L"Skriv ved at pege"},                // Danish
    {0x07, L"Tippen durch Verweilen"},           // German
    {0x08, L"Πληκτρολόγηση με παραμονή"},        // Greek
    {0x0A, L"Escribir al posar el puntero"},     // Spanish
    {0x0C, L"Saisie par survol"},                // French
    {0x0E, L"Gépelés rámutatással"},             // Hungarian
    {0x10, L"Digita soffermando il puntatore"},  // Italian
    {0x11, L"ポイントして入力"},                 // Japanese
    {0x12, L"마우스를 올려 입력"},               // Korean
    {0x13, L"Typen door aanwijzen"},             // Dutch
    {0x15, L"Pisanie przez najechanie"},         // Polish
    {0x16, L"Digitar ao passar o ponteiro"},     // Portuguese
    {0x19, L"Ввод наведением"},                  // Russian
    {0x1A, L"Куцање задржавањем"},               // Serbian
    {0x1B, L"Písanie ukázaním"},                 // Slovak
    {0x1D, L"Skriv genom att peka"},             // Swedish
    {0x1F, L"Üzerine gelerek yaz"},              // Turkish
    {0x22, L"Введення наведенням"},              // Ukrainian
    {0x23, L"Увод навядзеннем"},                 // Belarusian
    {0x24, L"Tipkanje z lebdenjem"},             // Slovenian
    {0x26, L"Rakstīšana, novietojot rādītāju"},  // Latvian
    {0x29, L"تایپ با نگه\u200Cداشتن نشانگر"},    // Persian
    {0x041A, L"Tipkanje zadržavanjem"},          // Croatian (Croatia)
    {0x0804, L"悬停输入"},                       // Chinese (PRC)
};

// "Hover time"
const TTranslation HoverTime[] = {
    {0x01, L"مدة التحويم"},          // Arabic
    {0x02, L"Задържане"},            // Bulgarian
    {0x04, L"停留時間"},             // Chinese (traditional)
    {0x05, L"Doba najetí"},          // Czech
    {0x06, L"Pegetid"},              // Danish
    {0x07, L"Verweildauer"},         // German
    {0x08, L"Παραμονή"},             // Greek
    {0x0A, L"Espera"},               // Spanish
    {0x0C, L"Délai"},                // French
    {0x0E, L"Várakozás"},            // Hungarian
    {0x10, L"Attesa"},               // Italian
    {0x11, L"ポイント時間"},         // Japanese
    {0x12, L"머무는 시간"},          // Korean
    {0x13, L"Aanwijstijd"},          // Dutch
    {0x15, L"Opóźnienie"},           // Polish
    {0x16, L"Espera"},               // Portuguese
    {0x19, L"Задержка"},             // Russian
    {0x1A, L"Задржавање"},           // Serbian
    {0x1B, L"Čas ukázania"},         // Slovak
    {0x1D, L"Pektid"},               // Swedish
    {0x1F, L"Bekleme süresi"},       // Turkish
    {0x22, L"Затримка"},             // Ukrainian
    {0x23, L"Затрымка"},             // Belarusian
    {0x24, L"Čas lebdenja"},         // Slovenian
    {0x26, L"Aizture"},              // Latvian
    {0x29, L"زمان نگه\u200Cداشتن"},  // Persian
    {0x041A, L"Zadržavanje"},        // Croatian (Croatia)
    {0x0804, L"停留时间"},           // Chinese (PRC)
};
}  // namespace

const TSourceText SourceTexts[] = {
    {L"Esc", Esc, std::size(Esc)},
    {L"Caps", Caps, std::size(Caps)},
    {L"Shift", Shift, std::size(Shift)},
    {L"Enter", Enter, std::size(Enter)},
    {L"Ctrl", Ctrl, std::size(Ctrl)},
    {L"PrtScr", PrtScr, std::size(PrtScr)},
    {L"ScrLk", ScrLk, std::size(ScrLk)},
    {L"Pause", Pause, std::size(Pause)},
    {L"Ins", Ins, std::size(Ins)},
    {L"Del", Del, std::size(Del)},
    {L"Home", Home, std::size(Home)},
    {L"End", End, std::size(End)},
    {L"PgUp", PgUp, std::size(PgUp)},
    {L"PgDn", PgDn, std::size(PgDn)},
    {L"/", OnlineKeyboardSegment, std::size(OnlineKeyboardSegment)},
    {L"Enable key repeat", EnableKeyRepeat, std::size(EnableKeyRepeat)},
    {L"Fit width", FitWidth, std::size(FitWidth)},
    {L"Lock window size", LockWindowSize, std::size(LockWindowSize)},
    {L"Change colors", ChangeColors, std::size(ChangeColors)},
    {L"Change keyboard type", ChangeKeyboardType, std::size(ChangeKeyboardType)},
    {L"About %1", About, std::size(About)},
    {L"Online Help", OnlineHelp, std::size(OnlineHelp)},
    {L"Transparency", Transparency, std::size(Transparency)},
    {L"Settings", Settings, std::size(Settings)},
    {L"Kind", Kind, std::size(Kind)},
    {L"Colors", Colors, std::size(Colors)},
    {L"Close", Close, std::size(Close)},
    {L"Language preferences", LanguagePreferences, std::size(LanguagePreferences)},
    {L"Like this app? Please, rate it.", RateThisApp, std::size(RateThisApp)},
    {L"Please purchase %1 to access premium features and help us further improve this app.", PleasePurchase,
     std::size(PleasePurchase)},
    {L"Online Keyboard", OnlineKeyboard, std::size(OnlineKeyboard)},
    {L"Full", Full, std::size(Full)},
    {L"Numeric pad", NumericPad, std::size(NumericPad)},
    {L"Keep clear of the text cursor", KeepClear, std::size(KeepClear)},
    {L"Word suggestions", WordSuggestions, std::size(WordSuggestions)},
    {L"Scanning", Scanning, std::size(Scanning)},
    {L"Click sound", ClickSound, std::size(ClickSound)},
    {L"Space after a suggestion", SuggestionSpace, std::size(SuggestionSpace)},
    {L"Learn my words", LearnMyWords, std::size(LearnMyWords)},
    {L"Forget learned words", ForgetLearnedWords, std::size(ForgetLearnedWords)},
    {L"Forget all the words learned from your typing? This cannot be undone.", ForgetLearnedWordsQuestion,
     std::size(ForgetLearnedWordsQuestion)},
    {L"Tick at each step", TickAtEachStep, std::size(TickAtEachStep)},
    {L"Scan time", ScanTime, std::size(ScanTime)},
    {L"Switch key", SwitchKey, std::size(SwitchKey)},
    {L"Space", Space, std::size(Space)},
    {L"Scroll Lock", ScrollLock, std::size(ScrollLock)},
    {L"Hover to type", HoverToType, std::size(HoverToType)},
    {L"Hover time", HoverTime, std::size(HoverTime)},
};

const std::size_t SourceTextCount = std::size(SourceTexts);
