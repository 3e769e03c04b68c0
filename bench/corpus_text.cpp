// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corpus_text.h"

#include <iterator>
#include <span>

namespace orvalink {

namespace {

using Words = std::span<const char16_t* const>;

const char16_t* const kEnglish[] = {
    u"news",     u"weather",  u"recipes",   u"travel",     u"guide",    u"best",      u"how",
    u"to",       u"the",      u"of",        u"and",        u"for",      u"your",      u"home",
    u"garden",   u"music",    u"video",     u"online",     u"free",     u"review",    u"deals",
    u"shop",     u"learn",    u"python",    u"linux",      u"tutorial", u"reference", u"manual",
    u"blog",     u"forum",    u"community", u"project",    u"release",  u"notes",     u"download",
    u"support",  u"account",  u"dashboard", u"map",        u"photos",   u"sports",    u"scores",
    u"market",   u"bank",     u"health",    u"fitness",    u"science",  u"history",   u"art",
    u"museum",   u"library",  u"course",    u"jobs",       u"events",   u"tickets",   u"hotel",
    u"flights",  u"books",    u"movies",    u"games",      u"school",   u"weekly",    u"daily",
    u"official", u"site",     u"page",      u"wiki",       u"open",     u"source",    u"cloud",
    u"API",      u"security", u"privacy",   u"update",     u"2019",     u"2024",      u"new",
    u"in",       u"with",     u"a",         u"on",         u"what",     u"why",       u"C++",
    u"Qt",       u"GitHub",   u"Rust",      u"JavaScript", u"kitchen",  u"bike",      u"camera",
};

const char16_t* const kAccented[] = {
    u"café",
    u"crème",
    u"brûlée",
    u"déjà",
    u"vu",
    u"naïve",
    u"façade",
    u"Größe",
    u"Straße",
    u"Übersicht",
    u"Bücher",
    u"Äpfel",
    u"Öffnungszeiten",
    u"señor",
    u"mañana",
    u"niño",
    u"años",
    u"España",
    u"Málaga",
    u"São",
    u"Paulo",
    u"coração",
    u"ação",
    u"Łódź",
    u"Kraków",
    u"żółć",
    u"gęślą",
    u"jaźń",
    u"Ærø",
    u"Ångström",
    u"Øresund",
    u"Tiếng",
    u"Việt",
    u"Hà",
    u"Nội",
    u"Čeština",
    u"příliš",
    u"žluťoučký",
    u"kůň",
    u"İstanbul",
    u"şehir",
    u"Göteborg",
    u"Reykjavík",
    u"Þingvellir",
    u"élève",
    u"à",
    u"où",
    u"là",
    u"été",
    u"hôtel",
    u"forêt",
    u"Noël",
    u"città",
    u"perché",
    u"più",
    u"Zürich",
    u"Genève",
    u"Ελλάς",
    u"und",
    u"für",
    u"les",
    u"de",
};

const char16_t* const kGreek[] = {
    u"Ειδήσεις",    u"καιρός",  u"συνταγές", u"ταξίδια", u"οδηγός", u"Αθήνα",
    u"Θεσσαλονίκη", u"ιστορία", u"μουσική",  u"αρχική",  u"σελίδα", u"βιβλία",
    u"επιστήμη",    u"Ελλάδα",  u"νέα",      u"ημέρα",   u"και",    u"της",
};

const char16_t* const kCyrillic[] = {
    u"Новости", u"погода",  u"рецепты",  u"путешествия", u"Москва",    u"Санкт-Петербург",
    u"Київ",    u"история", u"музыка",   u"главная",     u"страница",  u"книги",
    u"наука",   u"Україна", u"Беларусь", u"Србија",      u"Български", u"форум",
    u"видео",   u"карта",   u"и",        u"в",           u"для",       u"Ёлка",
};

const char16_t* const kChinese[] = {
    u"新闻", u"天气", u"食谱", u"旅游", u"指南", u"北京",   u"上海", u"历史",
    u"音乐", u"首页", u"图书", u"科学", u"中文", u"网站",   u"视频", u"地图",
    u"论坛", u"下载", u"繁體", u"臺灣", u"香港", u"𠮷野家", u"的",   u"和",
};

const char16_t* const kJapanese[] = {
    u"ニュース", u"天気",   u"レシピ",         u"旅行",   u"東京",
    u"大阪",     u"歴史",   u"音楽",           u"ホーム", u"本",
    u"科学",     u"日本語", u"ウィキペディア", u"ブログ", u"動画",
    u"地図",     u"掲示板", u"ダウンロード",   u"の",     u"と",
};

const char16_t* const kKorean[] = {
    u"뉴스", u"날씨", u"요리법", u"여행",   u"서울",   u"부산",   u"역사", u"음악",
    u"홈",   u"책",   u"과학",   u"한국어", u"블로그", u"동영상", u"지도", u"게시판",
};

const char16_t* const kArabic[] = {
    u"أخبار", u"الطقس",   u"وصفات",  u"سفر",    u"دليل",     u"القاهرة",
    u"دبي",   u"تاريخ",   u"موسيقى", u"الصفحة", u"الرئيسية", u"كتب",
    u"علوم",  u"العربية", u"منتدى",  u"فيديو",  u"في",       u"من",
};

const char16_t* const kHebrew[] = {
    u"חדשות", u"מזג",  u"אוויר",    u"מתכונים", u"טיולים", u"ירושלים",
    u"תל",    u"אביב", u"היסטוריה", u"מוזיקה",  u"ספרים",  u"של",
};

const char16_t* const kThai[] = {
    u"ข่าว", u"สภาพอากาศ", u"สูตรอาหาร", u"ท่องเที่ยว", u"กรุงเทพ", u"ประวัติศาสตร์", u"เพลง",
};

const char16_t* const kDevanagari[] = {
    u"समाचार", u"मौसम", u"व्यंजन", u"यात्रा", u"दिल्ली", u"इतिहास", u"संगीत", u"हिन्दी",
};

const char16_t* const kEmoji[] = {
    u"😀", u"🎉", u"👍🏽", u"👨‍👩‍👧", u"🚀", u"⭐", u"❤️", u"🔥", u"📚", u"🎵",
    u"🌍", u"☕", u"🇯🇵",       u"🏳️‍🌈",
};

// Sites whose names end a title, as page titles often do.
const char16_t* const kSites[] = {
    u"Wikipedia", u"YouTube", u"Stack Overflow", u"GitHub",    u"BBC News",     u"Le Monde",
    u"Die Zeit",  u"El País", u"Reddit",         u"Amazon.de", u"MDN Web Docs", u"Qt Documentation",
    u"ＮＨＫ",    u"Яндекс",  u"百度百科",       u"네이버",    u"Inc.",
};

// Titles people give their folders.
const char16_t* const kFolderNames[] = {
    u"Work",
    u"Travel",
    u"Recipes",
    u"News",
    u"Programming",
    u"Music",
    u"Shopping",
    u"Reading list",
    u"Archive",
    u"Old bookmarks",
    u"Imported",
    u"To read",
    u"Tools",
    u"Reference",
    u"Kids",
    u"Food & Drink",
    u"Mac/Linux",
    u"Q&A",
    u"Banks: accounts",
    u"Photos 2019",
    u"Projects",
    u"Holiday – Ελλάδα",
    u"Работа",
    u"旅行",
    u"Misc.",
    u"\"Favourites\"",
    u"Rock 'n' Roll",
    u"<Unsorted>",
    u"Science",
    u"Design",
};

// Fragments that put characters needing escapes into titles.
const char16_t* const kMarked[] = {
    u"Tom & Jerry", u"Q&A",      u"AT&T",         u"R&D",           u"Don't panic",
    u"It's here",   u"O'Reilly", u"L'Équipe",     u"\"Quoted\"",    u"<b>bold</b>",
    u"a < b > c",   u"C++ <3",   u"What's new?",  u"TCP/IP",        u"How to: start",
    u"5 * 3",       u"A|B test", u"50% off!",     u"#1 hits",       u"C:\\Windows",
    u"...and more", u"Ltd.",     u"path/to/file", u"&amp; literal", u"x &lt; y",
};

const char16_t* const kSeparators[] = {u" - ", u" | ", u" — ", u" · ", u": "};

// ASCII words for host names and paths.
const char* const kAsciiWords[] = {
    "news",  "tech",   "cloud", "docs",  "shop",  "blog",    "wiki",  "forum", "media",
    "daily", "world",  "data",  "open",  "code",  "dev",     "music", "photo", "travel",
    "food",  "home",   "green", "blue",  "north", "river",   "stone", "maple", "pixel",
    "nova",  "alpha",  "delta", "sigma", "atlas", "orbit",   "spark", "lumen", "vertex",
    "about", "search", "help",  "en",    "de",    "article", "post",  "item",  "view",
};

const char* const kTopLevel[] = {
    ".com", ".org", ".net", ".de", ".fr", ".co.uk", ".jp", ".io", ".ru", ".gr", ".com.br", ".info",
};

const char* const kSubdomains[] = {"www.", "www.", "www.", "", "", "blog.", "docs.", "m.", "en."};

const char* const kQueryKeys[] = {"id", "q", "page", "lang", "ref", "utm_source", "sort", "v"};

const char* const kPathEnds[] = {"", "", "", "/", ".html", ".php", ".htm", "/index.html"};

struct Script
{
    Words words;
    // Chinese and Japanese run their words together.
    bool spaced;
};

Script pickScript(CorpusRandom& random)
{
    const std::uint32_t roll = random.below(100);
    if (roll < 40)
        return {kEnglish, true};
    if (roll < 58)
        return {kAccented, true};
    if (roll < 63)
        return {kGreek, true};
    if (roll < 71)
        return {kCyrillic, true};
    if (roll < 77)
        return {kChinese, false};
    if (roll < 82)
        return {kJapanese, false};
    if (roll < 86)
        return {kKorean, true};
    if (roll < 91)
        return {kArabic, true};
    if (roll < 94)
        return {kHebrew, true};
    if (roll < 96)
        return {kThai, false};
    return {kDevanagari, true};
}

QString word(CorpusRandom& random, Words words)
{
    return QString::fromUtf16(words[random.below(std::uint32_t(words.size()))]);
}

template <std::size_t N> QString word(CorpusRandom& random, const char16_t* const (&words)[N])
{
    return word(random, Words(words));
}

QString words(CorpusRandom& random, const Script& script, int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && script.spaced)
            text.append(u' ');
        QString next = word(random, script.words);
        // Titles are often capitalised; toUpper leaves scripts without case alone.
        if (i == 0 && random.chance(60))
            next = next.left(1).toUpper() + next.mid(1);
        text.append(next);
    }
    return text;
}

} // namespace

QString makeLinkTitle(CorpusRandom& random)
{
    const Script script = pickScript(random);
    QString title = words(random, script, int(random.between(1, 7)));
    if (random.chance(12))
        title = random.chance(50) ? word(random, kMarked) + u' ' + title
                                  : title + u' ' + word(random, kMarked);
    if (random.chance(35))
        title += word(random, kSeparators) + word(random, kSites);
    if (random.chance(5))
        title += u' ' + word(random, kEmoji);
    if (random.chance(1)) {
        // Long article titles: longer than any file name may be.
        while (title.size() < 120)
            title += u' ' + words(random, script, 6);
    }
    return title;
}

QString makeFolderName(CorpusRandom& random)
{
    if (random.chance(45))
        return word(random, kFolderNames);
    const Script script = pickScript(random);
    QString name = words(random, script, int(random.between(1, 3)));
    if (random.chance(8))
        name += u' ' + word(random, kEmoji);
    return name;
}

QString makeDescription(CorpusRandom& random)
{
    QString text = words(random, pickScript(random), int(random.between(5, 15)));
    if (random.chance(20))
        text += u' ' + word(random, kMarked);
    return text + u'.';
}

QByteArray makeHostName(quint64 host)
{
    CorpusRandom random = CorpusRandom::forItem(0x486F7374ULL, host);
    QByteArray name = random.pick(kSubdomains);
    name += random.pick(kAsciiWords);
    if (random.chance(60))
        name += random.pick(kAsciiWords);
    if (random.chance(10))
        name += '-' + QByteArray::number(random.below(100));
    return name + random.pick(kTopLevel);
}

QByteArray makeUrl(CorpusRandom& random, const QByteArray& host)
{
    const std::uint32_t scheme = random.below(100);
    QByteArray url = scheme < 78 ? "https://" : scheme < 99 ? "http://" : "ftp://";
    url += host;
    if (random.chance(2))
        url += ':' + QByteArray::number(random.between(1024, 9999));
    const int segments = int(random.between(0, 4));
    for (int i = 0; i < segments; ++i) {
        url += '/';
        const std::uint32_t kind = random.below(100);
        if (kind < 70) {
            url += random.pick(kAsciiWords);
            if (random.chance(30))
                url += '-' + QByteArray(random.pick(kAsciiWords));
        } else if (kind < 90) {
            url += QByteArray::number(random.between(1, 9999999));
        } else {
            // Wikipedia-style paths carry their words percent-encoded.
            url += word(random, pickScript(random).words).toUtf8().toPercentEncoding();
        }
    }
    if (segments > 0)
        url += random.pick(kPathEnds);
    if (random.chance(30)) {
        const int parameters = int(random.between(1, 3));
        for (int i = 0; i < parameters; ++i) {
            url += i == 0 ? '?' : '&';
            url += random.pick(kQueryKeys);
            url += '=';
            url += random.chance(70) ? QByteArray::number(random.between(0, 99999))
                                     : QByteArray(random.pick(kAsciiWords));
        }
    }
    if (random.chance(5))
        url += "#section-" + QByteArray::number(random.between(1, 20));
    return url;
}

QByteArray makeIconData(quint64 host, int length)
{
    // A real PNG header (signature, then a 16x16 IHDR chunk) followed by noise: readers keep
    // the text as it is, so only its look and its length matter.
    static const unsigned char kPngStart[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x10, 0x08, 0x06, 0x00, 0x00, 0x00};
    const QByteArray prefix = "data:image/png;base64,";
    const int encodedLength = std::max(int(std::size(kPngStart)) * 2, length - int(prefix.size()));
    QByteArray bytes(reinterpret_cast<const char*>(kPngStart), std::size(kPngStart));
    CorpusRandom random = CorpusRandom::forItem(0x49636F6EULL, host);
    while (bytes.size() * 4 / 3 < encodedLength)
        bytes.append(char(random.next() & 0xFF));
    return prefix + bytes.toBase64();
}

} // namespace orvalink
