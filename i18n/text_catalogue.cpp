#include "i18n/text_catalogue.h"

namespace i18n {
namespace {

// Texts stand exactly as the product shows them, odd spacing and punctuation included.
const TextSet kKorean = {
    L"Tavrine System BIOS Update는 사용중인 제품에 맞는 BIOS를 다운로드하여 설치할 수 있도록 도와주는 소프트웨어 입니다.",
    L"현재 시스템 BIOS 버전 : ",
    L"다운로드 가능한 최종 BIOS 버전 : ",
    L"BIOS를 설치하시려면 \"업데이트\" 버튼을 선택하시고,\nBIOS를 받으시려면 \"다운로드\" 버튼을 누르세요.",
    L"다운로드 할 수 없습니다.",
    L"서버를 연결 할 수 없거나, 네트워크 연결이 바르지 않습니다.\n다시 시도해 주십시오.",
    L"\n다시 시도해 주십시오.",
    L"업데이트",
    L"다운로드",
    L"종 료",
};

const TextSet kEnglish = {
    L"Tavrine System BIOS Update downloads and installs the latest BIOS to your system.",
    L"Current System BIOS version : ",
    L"Latest downloadable BIOS version : ",
    L"To install the latest BIOS, choose the \"Update\" button;\nto download, choose the \"download\" button.",
    L"Cannot download.",
    L"Cannot connect to server or network connection is unstable.\nPlease try again.",
    L"\nPlease try again.",
    L"Update",
    L"Download",
    L"Close",
};

const TextSet kFrench = {
    L"Tavrine System BIOS Update télécharge et installe le dernier BIOS sur votre système.",
    L"Version actuelle du BIOS sur le système : ",
    L"Dernière version du BIOS téléchargeable : ",
    L"Pour installer le dernier BIOS, cliquez sur \"Update\";\npour télécharger, cliquez sur cliquez sur \"Download\".",
    L"Téléchargement impossible.",
    L"Connexion au serveur impossible ou connexion réseau instable.\nRéssayez.",
    L"\nRéssayez.",
    L"Update",
    L"Download",
    L"Fermer",
};

const TextSet kGerman = {
    L"Mit Tavrine System BIOS Update laden Sie das aktuellste BIOS herunter und installieren es auf Ihrem System.",
    L"Aktuelle Version des System BIOS : ",
    L"Aktuellste Version des System BIOS zum Herunterladen : ",
    L"Um das aktuellste BIOS zu herunterzuladen und zu installieren, wählen Sie die Schaltflächen „Aktualisieren“ bzw. „Herunterladen“",
    L"Download fehlgeschlagen. ",
    L"Serververbindung nicht möglich oder Netzwerkverbindung instabil.\nWiederholen Sie den Vorgang.",
    L"\nWiederholen Sie den Vorgang.",
    L"Aktualisieren",
    L"Herunterladen",
    L"Schließen",
};

const TextSet kSpanish = {
    L"Tavrine System BIOS Update descarga e instala en el sistema la versión más reciente de la BIOS.",
    L"Versión actual de la BIOS del sistema : ",
    L"Versión descargable más reciente de la BIOS : ",
    L"Para instalar la BIOS más reciente, pulse el botón \"Actualizar\";\npara descargarla, pulse el botón \"Descargar\".",
    L"No se puede descargar. ",
    L"No se puede conectar con el servidor o la conexión de red es inestable.\nVuelva a intentarlo.",
    L"\nVuelva a intentarlo.",
    L"Actualizar",
    L"Descargar",
    L"Cerrar",
};

const TextSet kPortuguesePortugal = {
    L"O Tavrine System BIOS Update transfere e instala o BIOS mais recente no sistema.",
    L"Versão do BIOS do sistema actual : ",
    L"Versão do BIOS mais recente transferível : ",
    L"Para instalar o BIOS mais recente, escolha o botão “Actualizar”; para transferir, escolha o botão “Transferir”..",
    L"Não é possível transferir.",
    L"Não é possível ligar ao servidor ou a ligação de rede é instável.\nTente novamente.",
    L"\nTente novamente.",
    L"Actualizar",
    L"Transferir",
    L"Fechar",
};

const TextSet kRussian = {
    L"Функция обновления BIOS системы Tavrine загружает и устанавливает последнюю версию BIOS на ваш компьютер.",
    L"Текущая версия системы BIOS : ",
    L"Последняя версия BIOS, доступная для загрузки : ",
    L"Чтобы установить последнюю версию системы BIOS, нажмите кнопку  (Обновить); для загрузки нажмите кнопку  (Загрузить).",
    L"Не удалось выполнить загрузку. ",
    L"Не удалось подключиться к серверу, или сетевое подключение функционирует нестабильно.",
    L"\nПовторите попытку.",
    L"Обновить",
    L"Загрузить",
    L"Закрыть",
};

const TextSet kTraditionalChinese = {
    L"下載 Tavrine System BIOS Update，然後安裝最新的 BIOS 到您的系統。",
    L"目前的 System BIOS 版本 : ",
    L"可下載的最新 BIOS 版本 : ",
    L"若要安裝最新的 BIOS，請選擇「更新」按鈕，然後選擇「下載」按鈕。",
    L"無法下載。",
    L"無法連接至伺服器或網路連接不穩定。\n請重試。",
    L"\n請重試。",
    L"更新",
    L"下載",
    L"關閉",
};

const TextSet kSimplifiedChinese = {
    L"下载 Tavrine System BIOS Update，然后安装最新的 BIOS 到您的系统。",
    L"当前的 System BIOS 版本 : ",
    L"可下载的最新 BIOS 版本 : ",
    L"若要安装最新的 BIOS，请选择[更新]按钮，选择[下载]按钮",
    L"无法下载。",
    L"无法连接至服务器或网络连接不稳定。\n请重试。",
    L"\n请重试。",
    L"更新",
    L"下载",
    L"关闭",
};

const TextSet kItalian = {
    L"Tavrine System BIOS Update scarica e installa sul sistema l'ultima versione BIOS disponibile.",
    L"Versione BIOS corrente : ",
    L"Ultima versione BIOS scaricabile : ",
    L"Per installare la versione BIOS più recente, selezionare il tasto “Update”;\nper scaricare il file, selezionare il tasto “Download”.",
    L"Impossibile eseguire il download. ",
    L"Impossibile connettersi al server oppure la connessione di rete non è stabile.\nRiprovare.",
    L"\nRiprovare.",
    L"Update",
    L"Download",
    L"Chiudi",
};

const TextSet kDefault = {
    L"Tavrine System BIOS Update downloads and installs the latest BIOS to your system.",
    L"Current System BIOS version : ",
    L"Latest downloadable BIOS version : ",
    L"To install the latest BIOS, choose the [Update] button;\nto download, choose the [download] button.",
    L"Cannot download.",
    L"Cannot connect to server or network connection is unstable.\nPlease try again.",
    L"\nPlease try again.",
    L"Update",
    L"Download",
    L"Close",
};

const TextSet kPolish = {
    L"Program Tavrine System BIOS Update pobiera i instaluje najnowszą wersję BIOS systemu.",
    L"Obecna wersja BIOS systemu : ",
    L"Najnowsza wersja BIOS systemu do pobrania : ",
    L"Aby zainstalować najnowszą wersję BIOS, kliknij przycisk „Aktualizuj”,\naby pobrać, wybierz przycisk „pobierz”.",
    L"Nie można pobrać. ",
    L"Nie można połączyć z serwerem lub połączenie sieciowe jest niestabilne.\nSpróbuj ponownie.",
    L"\nSpróbuj ponownie.",
    L"Aktualizuj",
    L"Pobierz",
    L"Zamknij",
};

const TextSet kTurkish = {
    L"Tavrine System BIOS Güncelleştirmesi en yeni BIOS’u sisteminize yükler ve kurar.",
    L"Mevcut System BIOS sürümü : ",
    L"En son indirilebilir BIOS sürümü : ",
    L"En son BIOS’u kurmak için, ¡°Güncelleştir¡± düğmesine basın; \nyüklemek için, ¡°Yükle¡± düğmesine basın.",
    L"Yüklenemiyor.",
    L"Sunucuya bağlanılamıyor veya ağ bağlantısı kararsız.\nLütfen tekrar deneyin.",
    L"\nLütfen tekrar deneyin.",
    L"Güncelleştir",
    L"Yükle",
    L"Kapat",
};

const TextSet kDutch = {
    L"De BIOS-systeemupdate van Tavrine downloadt en installeert de laatste BIOS-versie op uw systeem.",
    L"Huidige BIOS-versie systeem : ",
    L"Laatste beschikbare BIOS-versie : ",
    L"Kiest de update-knop om de laatste BIOS te installeren en de download-knop om te downloaden.",
    L"Kan niet downloaden. ",
    L"Kan geen verbinding maken met server, of netwerkverbinding is instabiel.\nProbeer het opnieuw.",
    L"\nProbeer het opnieuw.",
    L"Bijwerken",
    L"Downloaden",
    L"Sluiten",
};

const TextSet kNorwegian = {
    L"Tavrine System BIOS Update laster ned og installerer nyeste BIOS på systemet ditt.",
    L"Gjeldende System BIOS-versjon : ",
    L"Siste nedlastbare BIOS-versjon : ",
    L"For å installere siste BIOS velger du “Oppdater”-knappen;\nfor å laste ned velger du “last ned”-knappen.",
    L"Cannot download.",
    L"Cannot connect to server or network connection is unstable.\nPlease try again.",
    L"\nPlease try again.",
    L"Oppdater",
    L"Last ned",
    L"Lukk",
};

const TextSet kSwedish = {
    L"Tavrine System BIOS Update hämtar och installerar senaste BIOS till ditt system.",
    L"Aktuell System BIOS-version : ",
    L"Senast nedladdningsbara BIOS-version : ",
    L"För att installera senaste BIOS, väljer du knappen “Uppdatera” och sedan knappen “Hämta”.",
    L"Kan inte hämta. ",
    L"Kan inte ansluta till server eller så är nätverksanslutningen instabil.\nFörsök igen.",
    L"\nFörsök igen.",
    L"Uppdatera",
    L"Hämta",
    L"Stäng",
};

const TextSet kDanish = {
    L"Tavrine System BIOS-opdatering downloader og installerer den nyeste BIOS på dit system.",
    L"Aktuel system-BIOS-version : ",
    L"Nyeste BIOS-version til download : ",
    L"For at installere den nyeste BIOS: Vælg knappen ”Opdater”.\nFor at downloade: Vælg knappen ”Download”",
    L"Kan ikke downloade.",
    L"Kan ikke slutte til server, eller netværksforbindelse er ustabil.\nPrøv igen.",
    L"\nPrøv igen.",
    L"Opdater",
    L"Download",
    L"Luk",
};

const TextSet kFinnish = {
    L"Tavrine System BIOS Update lataa ja asentaa tietokoneeseen BIOSin viimeisimmän version.",
    L"Järjestelmän tämänhetkinen BIOS-versio : ",
    L"Viimeisin ladattavissa oleva BIOS-versio : ",
    L"Asenna BIOSin viimeisin versio painamalla \"Päivitä\"-painiketta.\nLataa versio painamalla \"Lataa\"-painiketta.",
    L"Lataus ei onnistu.",
    L"Yhteyttä palvelimelle ei voida muodostaa tai verkkoyhteys on epävakaa.\nYritä uudelleen.",
    L"\nYritä uudelleen.",
    L"Päivitä",
    L"Lataa",
    L"Sulje",
};

const TextSet kGreek = {
    L"Η Ενημέρωση του Tavrine System BIOS εκτελεί λήψη και εγκατάσταση του πιο πρόσφατου BIOS στο σύστημά σας.",
    L"Τρέχουσα έκδοση System BIOS : ",
    L"Πιο πρόσφατη έκδοση BIOS με δυνατότητα λήψης : ",
    L"Για να εγκαταστήσετε το πιο πρόσφατο BIOS, επιλέξτε το κουμπί “Ενημέρωση” για να εκτελέσετε λήψη και, κατόπιν, επιλέξτε το κουμπί “λήψη”.",
    L"Η λήψη είναι αδύνατη. ",
    L"Η σύνδεση στο διακομιστή είναι αδύνατη ή η σύνδεση στο δίκτυο δεν είναι σταθερή.Προσπαθήστε ξανά.",
    L"\nΠροσπαθήστε ξανά.",
    L"Ενημέρωση",
    L"Λήψη",
    L"Κλείσιμο",
};

const TextSet kPortugueseBrazil = {
    L"O Tavrine System BIOS Update faz o download e instala o BIOS mais recente no seu sistema.",
    L"Versão do BIOS do sistema atual : ",
    L"Versão do BIOS mais recente baixável : ",
    L"Para instalar o BIOS mais recente, escolha o botão “Atualizar”; para fazer o download escolha o botão “Download”.",
    L"Não é possível fazer o download. ",
    L"Não é possível se conectar ao computador ou a conexão de rede é instável.\nTente novamente",
    L"\nTente novamente.",
    L"Atualizar",
    L"Download",
    L"Fechar",
};

const TextSet kHungarian = {
    L"A Tavrine System BIOS Update funkció letölti és telepíti a legfrissebb BIOS rendszert a számítógépre.",
    L"Jelenlegi Rendszer BIOS verzió : ",
    L"Legfrissebb letölthető BIOS verzió : ",
    L"A legfrissebb BIOS telepítéséhez válassza a(z) „Frissítés” gombot, a letöltéséhez pedig a „Letöltés” gombot.",
    L"Nem tölthető le. ",
    L"Nem lehet csatlakozni a kiszolgálóhoz, vagy nem stabil a hálózati kapcsolat.\nPróbálja újra.",
    L"\nPróbálja újra.",
    L"Frissítés",
    L"Letöltés",
    L"Bezárás",
};

const TextSet kCzech = {
    L"Aplikace Tavrine System BIOS Update stahuje a instaluje do vašeho počítače nejnovější verze systému BIOS.",
    L"Aktuální verze systému BIOS : ",
    L"Nejnovější verze systému BIOS ke stažení : ",
    L"Chcete-li nainstalovat nejnovější verzi systému BIOS, vyberte tlačítko „Aktualizovat”; chcete-li stahovat, vyberte tlačítko „Stáhnout“.",
    L"Stažení není možné. ",
    L"Není možné připojit se k serveru nebo je síťové připojení nestabilní.\nZkuste to znovu.",
    L"\nZkuste to znovu.",
    L"Aktualizovat",
    L"Stáhnout",
    L"Zavřít",
};

const TextSet kRomanian = {
    L"Tavrine System BIOS Update descarcă şi instalează cea mai recentă versiune BIOS pe sistemul dvs.",
    L"Versiune curentă BIOS sistem : ",
    L"Cea mai recentă versiune BIOS disponibilă pentru descărcare : ",
    L"Pentru a instala cea mai recentă versiune BIOS, alegeţi butonul „Actualizare”; pentru a descărca, alegeţi butonul „Descărcare”.",
    L"Nu se poate descărca.",
    L"Nu se poate conecta la server sau conexiunea de reţea este instabilă.\nVă rugăm să reîncercaţi.",
    L"\nVă rugăm să reîncercaţi.",
    L"Actualizare",
    L"Descărcare",
    L"Inchide",
};

const TextSet kBulgarian = {
    L"Tavrine System BIOS Update изтегля и инсталира най-новия BIOS на вашата система.",
    L"Текуща версия на System BIOS : ",
    L"Най-новата налична за изтегляне версия на BIOS : ",
    L"За да инсталирате най-новата версия на BIOS, изберете бутон Актуализиране; за изтегляне изберете бутон Изтегляне.",
    L"Изтеглянето е невъзможно. ",
    L"Неуспешна връзка със сървъра или мрежовата връзка е нестабилна.\nОпитайте отново.",
    L"\nОпитайте отново.",
    L"Актуализиране",
    L"Изтегляне",
    L"Затваряне",
};

const TextSet kCroatian = {
    L"Program tvrtke Tavrine za ažuriranje sustava BIOS preuzima najnoviji BIOS i instalira ga na vaše računalo.",
    L"Trenutna verzija sustava BIOS : ",
    L"Najnovija verzija sustava BIOS dostupna za preuzimanje : ",
    L"Za instaliranje najnovijeg sustava BIOS odaberite gumb “Ažuriraj”, a za preuzimanje odaberite gumb “Preuzmi”.",
    L"Preuzimanje nije moguće. ",
    L"Povezivanje s poslužiteljem nije moguće ili je mrežna veza nestabilna.\nPokušajte ponovo.",
    L"\nPokušajte ponovo.",
    L"Ažuriraj",
    L"Preuzmi",
    L"Zatvori",
};

const TextSet kSerbian = {
    L"Funkcija Tavrine System BIOS Update omogućava preuzimanje najnovijeg BIOS-a i njegovu instalaciju na računaru.",
    L"System BIOS (Sistemski BIOS) - trenutna verzija : ",
    L"Najnovija verzija BIOS-a za preuzimanje : ",
    L"Da biste instalirali najnoviji BIOS, odaberite dugme „Ažuriraj“;\nda biste obavili preuzimanje, odaberite dugme „Preuzmi“.",
    L"Nije moguće preuzeti.",
    L"Nije moguće povezati se na server ili mrežna veza nije stabilna.\nPokušajte ponovo.",
    L"\nPokušajte ponovo.",
    L"Ažuriraj",
    L"Preuzmi",
    L"Затвори",
};

const TextSet kIndonesian = {
    L"Tavrine System BIOS Update downloads and installs the latest BIOS to your system.",
    L"Current System BIOS version : ",
    L"Latest downloadable BIOS version : ",
    L"To install the latest BIOS, choose the [Update] button;\nto download, choose the [download] button.",
    L"Cannot download.",
    L"Cannot connect to server or network connection is unstable.\nPlease try again.",
    L"\nPlease try again.",
    L"Update",
    L"Download",
    L"Cancel",
};

const TextSet kSlovak = {
    L"Tavrine System BIOS Update prevezme a nainštaluje najnovší BIOS do vášho systému.",
    L"Aktuálna verzia Systému BIOS : ",
    L"Najnovšia verzia BIOS na prevzatie : ",
    L"Aby ste nainštalovali najnovší BIOS, vyberte tlačidlo „Aktualizovať“;\nna prevzatie vyberte tlačidlo „Prevziať“.",
    L"Nie je možné prevziať. ",
    L"Nedá sa pripojiť k serveru, prípadne je nestabilné sieťové pripojenie.\nSkúste to znova.",
    L"\nSkúste to znova.",
    L"Aktualizovať",
    L"Prevziať",
    L"Zatvoriť",
};

const TextSet kThai = {
    L"การอัปเดต BIOS ระบบของ Tavrine จะดาวน์โหลดและติดตั้ง BIOS ล่าสุดในระบบของคุณ",
    L"เวอร์ชันปัจจุบันของ BIOS ระบบ : ",
    L"เวอร์ชันของ BIOS ที่ดาวน์โหลดได้ล่าสุด  : ",
    L"ถ้าต้องการติดตั้ง BIOS ล่าสุด ให้เลือกปุ่ม “Update” ถ้าต้องการดาวน์โหลด โปรดเลือกปุ่ม “Download” ",
    L"ไม่สามารถดาวน์โหลด ",
    L"ไม่สามารถเชื่อมต่อกับเซิร์ฟเวอร์หรือใช้การเชื่อมต่อเครือข่ายไม่ได้ ",
    L"โปรดลองอีกครั้ง",
    L"Update",
    L"Download",
    L"ปิด",
};

const struct { const wchar_t* code; const TextSet* set; } kCatalogue[] = {
    {L"0412", &kKorean},  // Korean
    {L"0409", &kEnglish},  // English (United States)
    {L"040C", &kFrench},  // French (France)
    {L"0407", &kGerman},  // German (Germany)
    {L"0C0A", &kSpanish},  // Spanish (Spain, modern sort)
    {L"0816", &kPortuguesePortugal},  // Portuguese (Portugal)
    {L"0419", &kRussian},  // Russian
    {L"0404", &kTraditionalChinese},  // Chinese (Traditional, Taiwan)
    {L"0804", &kSimplifiedChinese},  // Chinese (Simplified, PRC)
    {L"0410", &kItalian},  // Italian (Italy)
    {L"0422", &kDefault},  // Ukrainian
    {L"0415", &kPolish},  // Polish
    {L"041F", &kTurkish},  // Turkish
    {L"0413", &kDutch},  // Dutch (Netherlands)
    {L"0414", &kNorwegian},  // Norwegian (Bokmål)
    {L"041D", &kSwedish},  // Swedish
    {L"0406", &kDanish},  // Danish
    {L"040B", &kFinnish},  // Finnish
    {L"0408", &kGreek},  // Greek
    {L"0416", &kPortugueseBrazil},  // Portuguese (Brazil)
    {L"040E", &kHungarian},  // Hungarian
    {L"0405", &kCzech},  // Czech
    {L"0418", &kRomanian},  // Romanian
    {L"0402", &kBulgarian},  // Bulgarian
    {L"041A", &kCroatian},  // Croatian
    {L"0C1A", &kSerbian},  // Serbian (Cyrillic)
    {L"081A", &kSerbian},  // Serbian (Latin)
    {L"0421", &kIndonesian},  // Indonesian
    {L"041B", &kSlovak},  // Slovak
    {L"0424", &kSlovak},  // Slovenian
    {L"041E", &kThai},  // Thai
};

}  // namespace

const TextSet& FindTextSet(const std::wstring& languageCode) {
  for (const auto& entry : kCatalogue)
    if (languageCode == entry.code) return *entry.set;
  return kDefault;
}

}  // namespace i18n
