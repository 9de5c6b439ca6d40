// The cases of the INI conformance corpus. Each case names the file's bytes before it runs
// and the operations in order; the probe records what every operation returns and what
// the file holds afterwards.
#include "conformance_corpus.h"

namespace ini_conformance {

namespace {

using Text = std::optional<std::string>;
constexpr auto null = std::nullopt;

Operation readInt(Text section, Text key, int32_t def) {
    return {Operation::readInt, std::move(section), std::move(key), null, def, 0};
}
Operation readText(Text section, Text key, Text def, uint32_t size = 64) {
    return {Operation::readText, std::move(section), std::move(key), std::move(def), 0, size};
}
Operation write(Text section, Text key, Text value) {
    return {Operation::write, std::move(section), std::move(key), std::move(value), 0, 0};
}

// Reads of every key as text and as a number.
void readBoth(std::vector<Operation>& ops, const char* section,
              std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
        ops.push_back(readText(section, key, "D"));
        ops.push_back(readInt(section, key, 77));
    }
}

// A literal's bytes, zero bytes inside it included.
template <size_t n>
std::string withZeros(const char (&literal)[n]) {
    return std::string(literal, n - 1);
}

std::string repeated(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += static_cast<char>('a' + i % 26);
    return s;
}

// The comments the plug-in writes behind its general settings.
const char* const menuKeyComment = ";\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>";
const char* const refreshComment = ";\tRefresh interval in ms, affects fps\t\t (12) < 5-50>";
const char* const actSettingComment = ";\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>";

}  // namespace

std::vector<Case> corpus() {
    std::vector<Case> cases;
    auto add = [&](std::string name, Text content, std::vector<Operation> ops) -> Case& {
        cases.push_back({std::move(name), std::move(content), std::move(ops)});
        return cases.back();
    };

    // kernel32's surprises are noted beside the cases that show them.

    // --- Line endings and layout -------------------------------------------------------
    {
        const std::string general = std::string("[GENERAL]\r\nmenuKey=8") + menuKeyComment +
                                    "\r\nrefreshInterval=50" + refreshComment + "\r\nactSetting=3" +
                                    actSettingComment + "\r\n";
        std::vector<Operation> ops;
        readBoth(ops, "GENERAL", {"menuKey", "refreshInterval", "actSetting"});
        ops.push_back(write("GENERAL", "menuKey", std::string("9") + menuKeyComment));
        // Any write rewrites the whole file in kernel32's own layout: CR LF after every
        // line, whatever the file used before.
        add("crlf", general, ops);
        std::string lf = general;
        for (size_t p; (p = lf.find('\r')) != std::string::npos;)
            lf.erase(p, 1);
        add("lf", lf, ops);
    }
    // A lone CR ends a line too.
    add("cr_only", "[s]\ra=1\rb=2\r\r[t]\rc=3",
        {readText("s", "b", "D"), readInt("t", "c", 0), write("s", "d", "4")});
    add("mixed_endings", "[s]\r\na=1\n\rb=2\r\r\n\nc=3\n",
        {readText("s", "a", "D"), readText("s", "b", "D"), readText("s", "c", "D"),
         write("s", "b", "5")});
    add("no_final_newline", "[s]\na=1\nb=22",
        {readText("s", "b", "D"), readInt("s", "b", 0), write("s", "c", "3")});
    // Blank lines are not kept: a write drops every one of them.
    add("blank_lines", "\n\n[s]\n\na=1\n\n\n[t]\n\nb=2\n\n",
        {readText("s", "a", "D"), readText("t", "b", "D"), write("s", "c", "3"),
         write("t", "d", "4")});
    // So a new key lands right after its section's last line, with no blank line before the
    // next section, and a new section follows the last line of the file directly.
    add("trailing_blank_lines_then_new_key", "[s]\r\na=1\r\n\r\n\r\n[t]\r\nb=2\r\n\r\n\r\n",
        {write("s", "c", "3"), write("t", "d", "4"), write("u", "e", "5")});
    // Blanks around names, "=" and values are trimmed on reading and gone after a write;
    // "[ s ]" is the section "s". A value of blanks only is empty, and an empty value reads
    // as the default number.
    add("blanks_around", " [ s ] \n \t a \t = \t v 1 \t \n\tb=\t\n c \t=x\n",
        {readText("s", "a", "D"), readText(" s\t", "\ta ", "D"), readText("s", "b", "D"),
         readInt("s", "b", 77), readText("s", "c", "D"), write("s", "a", "w")});
    // ^Z (a DOS end-of-file mark), vertical tab and form feed count as blanks; other
    // control characters do not.
    add("ctrl_z_and_other_blanks", "\x1a[s]\x1a\n\x1a k\x1a=\x1av\x1a\n\vm\f=\f1\n\x01n=2\n",
        {readText("s", "k", "D"), readText("s", "m", "D"), readText("s", "n", "D"),
         readText("s", "\x01n", "D"), readText("\x1as", "k\x1a", "D"), write("s", "k", "w")});

    // --- Sections and keys -------------------------------------------------------------
    // Only the first of several equally named sections is ever searched or written; keys
    // that exist only in a later one read as missing.
    add("duplicates", "[dup]\nk=first\nK=second\n[DUP]\nk=third\nonly=x\n[Dup]\nk=fourth\n",
        {readText("dup", "k", "D"), readText("DUP", "only", "D"), write("Dup", "only", "y"),
         write("dup", "K", "changed")});
    // A write keeps the names' spelling from the file.
    add("names_differ_in_case", "[MiXeD]\nKeY=1\n",
        {readText("mixed", "key", "D"), readText("MIXED", "KEY", "D"), readInt("mIxEd", "kEy", 0),
         write("mixed", "key", "2"), write("MIXED", "NEW", "3")});
    // Keys before the first header belong to the section "" (or blanks only).
    add("keys_before_any_section", "free=1\nother=2\n[s]\nk=3\n",
        {readText("", "free", "D"), readText(" ", "other", "D"), readText("s", "free", "D"),
         readInt("", "other", 0), write("", "added", "4"), write("s", "k", "5")});
    // ... and a key written into "" of a file that starts with a header goes to the very
    // top of the file.
    add("write_into_missing_head", "[s]\nk=1\n", {write("", "head", "0")});
    // A line without "=" is a key without value: reading it gives the default, writing it
    // gives it a value where it stands. "[t" without "]" is such a line, not a header.
    add("lines_without_equals", "[s]\nplain line\nk\n[t\nk2\n",
        {readText("s", "k", "D"), readText("s", "plain line", "D"), readText("[t", "k2", "D"),
         readText("s", "[t", "D"), readText("s", "k2", "D"), write("s", "k", "now"),
         write("s", "k2", "v")});
    // Comment lines are ordinary key lines: ";k=2" is the key ";k" with the value 2, and
    // the comment survives writes because of that.
    add("comments", "; top comment\n[s]\n; c=1\n;k=2\nk=3\n#hash=4\n",
        {readText("s", ";k", "D"), readText("s", "; c", "D"), readText("s", "k", "D"),
         readText("s", "#hash", "D"), write("s", "k", "5")});
    // A comment behind a value is part of the value.
    add("value_with_comment", "[s]\nk=7 ; seven\nm=;only comment\nn=-250;\t\tcomment\n",
        {readText("s", "k", "D"), readInt("s", "k", 0), readText("s", "m", "D"),
         readInt("s", "m", 77), readInt("s", "n", 0)});
    // A header ends at the last "]" of its line and the rest of the line is lost on a
    // write; "[]" and "[ ]" name the section "", whose header a write drops, so that their
    // keys join the section before; and "" finds the nameless head, never them.
    add("brackets", "[a]b] junk\nk=1\n[]\nk=2\n[ ]\nk=3\n[x] ; comment\nk=4\n[\nk=5\n",
        {readText("a]b", "k", "D"), readText("", "k", "D"), readText("x", "k", "D"),
         readText("[", "k", "D"), readText("x", "[", "D"), write("x", "k", "6")});
    // A line with an empty name right after another one is dropped; "" and " " find the
    // first of them.
    add("empty_names", "=a\n=b\nx\n=c\n[s]\n=d\n=e\ny\n=f\n",
        {readText("", "", "D"), readText("s", "", "D"), readText("s", " ", "D"),
         write("s", "y", "1")});
    // A zero byte ends a name or value; a line that starts with one becomes an empty line
    // after a write.
    add("zero_bytes", withZeros("[s]\na=1\n\0\n=z\nk\0z=nul\nv=ab\0cd\n\0x\nb=2\n"),
        {readText("s", "k", "D"), readText("s", "v", "D"), readText("s", "", "D"),
         readText("s", "b", "D"), write("s", "a", "2")});
    // Blanks in front of a zero byte survive a write and are trimmed when the file is read
    // again: after the write, "[SEC<VT><NUL>]" reads as [SEC] and hides the new [Sec].
    add("zero_byte_after_blank_in_header", withZeros("[SEC\x0b\0]\nk=1\n"),
        {readText("Sec", "k", "D"), write("Sec", "key", "v"), readText("Sec", "key", "D"),
         readText("SEC\x0b", "k", "D")});
    add("long_names", "[" + repeated(300) + "]\n" + repeated(400) + "=v\n",
        {readText(repeated(300), repeated(400), "D"), readText(repeated(299), repeated(400), "D"),
         write(repeated(300), repeated(401), "w")});
    // Deleting compares names untrimmed (unlike every other lookup) and looks for the key
    // in later sections of the same name too.
    add("delete_names_untrimmed", "[ s ]\nk=1\n[s]\nk=2\nk2=3\n",
        {write(" s ", "k", null), write("s", "k2", null), write("S ", null, null)});
    add("delete_missing", "[s]\nk=1\n",
        {write("t", "k", null), write("s", "x", null), write("t", null, null)});
    add("delete_head", "h=1\n[s]\nk=1\n", {write("", null, null), write("", "z", "2")});

    // --- Values ------------------------------------------------------------------------
    // A value between a pair of equal quotes loses them, the default too; a value cut to
    // fit loses its closing quote only when the quote itself would have fitted, and then
    // one more character: "x y" read into 4 characters is "x ".
    add("quoted_values",
        "[s]\na=\"x y\"\nb='x'\nc=\"x'\nd=\"\ne=\"\"\nf=''\ng=\" padded \"\nh=\"12\"\n"
        "i= \"q\" \nj=\"a\"b\"\nk=\"\"\"\n",
        {readText("s", "a", "D"),    readText("s", "b", "D"),    readText("s", "c", "D"),
         readText("s", "d", "D"),    readText("s", "e", "D"),    readText("s", "f", "D"),
         readText("s", "g", "D"),    readText("s", "h", "D"),    readInt("s", "h", 0),
         readText("s", "i", "D"),    readText("s", "j", "D"),    readText("s", "k", "D"),
         readText("s", "a", "D", 6), readText("s", "a", "D", 5), readText("s", "a", "D", 4),
         readText("s", "a", "D", 3), readText("s", "a", "D", 2), readText("s", "e", "D", 1),
         readText("s", "e", "D", 2), write("s", "h", "\"13\""),  write("s", "n", "'q'")});
    add("empty_values", "[s]\na=\nb= \nc=\t\n",
        {readText("s", "a", "D"), readInt("s", "a", 77), readText("s", "b", "D"),
         readInt("s", "b", 77), readText("s", "c", "D"), write("s", "a", ""), write("s", "d", ""),
         write("s", "b", "  ")});
    {
        std::string content = "[s]\n";
        std::vector<Operation> ops;
        for (const size_t n : {63, 64, 70, 1000, 5000}) {
            std::string key = "v";
            key += std::to_string(n);
            content += key + "=" + repeated(n) + "\n";
            ops.push_back(readText("s", key, "D"));
            ops.push_back(readText("s", key, "D", 8192));
            ops.push_back(readInt("s", key, 77));
        }
        ops.push_back(readText("s", "none", repeated(70)));
        ops.push_back(write("s", "v70", repeated(5000)));
        ops.push_back(readText("s", "v70", "D", 8192));
        // The destination holds size - 1 characters and a zero; longer values and
        // defaults are cut, and the number of characters copied is returned.
        add("value_lengths", content, ops);
    }
    {
        // Every byte but CR, LF and zero inside a value, names with bytes above 127.
        std::string all;
        for (int b = 1; b < 256; ++b)
            if (b != '\r' && b != '\n') all += static_cast<char>(b);
        // Bytes above 127 pass unchanged, and their letters are compared exactly: only A-Z
        // and a-z compare without regard to case.
        add("non_ascii",
            "[s\xe9]\nk\xe9=\x80\x81\x8d\x8f\x90\x9d\xff\xe9\n[\xc9]\nq=1\nall=x" + all + "x\n",
            {readText("s\xe9", "k\xe9", "D"), readText("S\xc9", "K\xc9", "D"),
             readInt("\xe9", "q", 0), readInt("\xc9", "q", 0), readText("\xc9", "all", "D", 512),
             write("s\xe9", "k\xc9", "\xe0\xf6"), write("\xe9", "n\xfc", all)});
    }
    {
        // Numbers as GetPrivateProfileIntA reads them: leading characters up to the space
        // skipped, a sign, then "0x", "0o" or "0b" (lower case only) choose base 16, 8 or 2;
        // the value wraps around modulo 2^32 ("2147483648" is -2147483648, "99999999999"
        // is 1215752191); only the first 29 characters count; a present value without
        // digits reads 0 but an empty one the default.
        // Numbers as GetPrivateProfileIntA reads them.
        const char* const values[] = {"abc",
                                      "+5",
                                      "-250",
                                      " -250 ;c",
                                      "0x10",
                                      "007",
                                      "2147483647",
                                      "2147483648",
                                      "-2147483649",
                                      "99999999999",
                                      "4294967295",
                                      "4294967296",
                                      "-2147483648",
                                      "0X10",
                                      "0b101",
                                      "0o17",
                                      "-0x10",
                                      "+-3",
                                      "--5",
                                      "0x",
                                      "0xg",
                                      "1e3",
                                      "12abc",
                                      "\x0b\x01 8",
                                      "0xFFFFFFFFF",
                                      "12345678901234567890123456789012345",
                                      "0b2",
                                      "0o8",
                                      "-0",
                                      "-",
                                      "+",
                                      "\"-7\"",
                                      "ff",
                                      "000000000000000000000000000042",
                                      "0000000000000000000000000000042",
                                      "\"12",
                                      "'0x1F'",
                                      " +0b11",
                                      "\xb2",
                                      "\x1a"
                                      "9"};
        std::string content = "[s]\n";
        std::vector<Operation> ops;
        int n = 0;
        for (const char* value : values) {
            std::string key = "n";
            key += std::to_string(n++);
            content += key + "=" + value + "\n";
            ops.push_back(readInt("s", key, 77));
        }
        add("numbers", content, ops);
    }

    // --- Destinations and defaults -----------------------------------------------------
    // A destination of size 0 is left untouched; the bytes behind the terminating zero
    // always are.
    add("destination_sizes", "[s]\nk=abc\n",
        {readText("s", "k", "D", 0), readText("s", "k", "D", 1), readText("s", "k", "D", 2),
         readText("s", "k", "D", 3), readText("s", "k", "D", 4), readText("s", "x", "def", 0),
         readText("s", "x", "def", 1), readText("s", "x", "def", 2), readText("s", "x", "def", 3),
         readText("s", "x", "def", 4)});
    // Trailing spaces (not tabs) of the default are dropped, but never its first character,
    // so "   " gives " ".
    add("defaults", "[s]\nk=1\n",
        {readText("s", "x", "def  "), readText("s", "x", "def\t"), readText("s", "x", "   "),
         readText("s", "x", " "), readText("s", "x", "  d e  "), readText("s", "x", "\"q\""),
         readText("s", "x", "\"q\"  "), readText("s", "x", "'q"), readText("s", "x", ""),
         readText("s", "x", null), readText("s", "x", "\"abc\"", 4)});
    // No section: the list of section names; no key: the list of the section's keys with a
    // value (comment keys left out, empty names kept), or the untrimmed default when that
    // list is empty. Lists end in two zeros; cut lists return size - 2.
    add("null_names", "h=0\n[s]\nk=1\n;c=2\nplain\n=e\nm=3\n[t]\n[]\nz=4\n[u]\nn=5\n",
        {readText(null, "k", "D"),    readText(null, null, "D"),   readText(null, "k", "D", 5),
         readText(null, "k", "D", 4), readText(null, "k", "D", 3), readText(null, "k", "D", 2),
         readText(null, "k", "D", 1), readText("s", null, "D"),    readText("s", null, "D", 5),
         readText("s", null, "D", 4), readText("s", null, "D", 3), readText("s", null, "D", 2),
         readText("s", null, "D", 1), readText("t", null, "D"),    readText("x", null, "D"),
         readText("x", null, null),   readText(" s", null, "D"),   readText("", null, "D"),
         readInt(null, "k", 77),      readInt("s", null, 77),      readInt("u", null, 77),
         write(null, "k", "1"),       write(null, null, null),     write("s", null, "v")});

    // --- Missing and odd files ---------------------------------------------------------
    // A missing file reads like an empty one; deleting from it creates nothing.
    add("missing_file", null,
        {readText("s", "k", "D"), readText("s", "k", "\"q\"  "), readInt("s", "k", -3),
         readText(null, null, "D"), readText("s", null, "D"), write("s", "k", null),
         write("s", null, null), write("s", "k", "v")});
    add("empty_file", "", {readText("s", "k", "D"), write("s", "k", "v")});
    // Only a file with something in it has the nameless head section that "" deletes.
    add("delete_head_of_empty_file", "", {write("", null, null), write("", "k", null)});
    add("delete_head_of_missing_file", null, {write("", null, null)});
    add("delete_head_of_blank_file", "\r\n", {write("", null, null)});
    add("missing_section", "[s]\nk=1\n",
        {readText("t", "k", "D"), readInt("t", "k", 9), write("t", "k", "2")});
    // A file name taken by a folder gives the default with its quotes and no list; writing
    // fails.
    add("file_is_folder", null,
        {readText("s", "k", "\"D\"  "), readText(null, null, "D"), readText("s", null, "D"),
         readText("s", null, null), readText("s", "k", null), readInt("s", "k", 5),
         write("s", "k", "v"), write("s", "k", null), write("s", null, null)})
        .fileIsFolder = true;
    // A missing folder is not created: every write fails, even one that deletes.
    add("missing_folder", null,
        {readText("s", "k", "D"), readInt("s", "k", 4), readText(null, null, "D"),
         write("s", "k", "v"), write("s", "k", null), write("s", null, null)})
        .fileName = "absent\\test.ini";
    // Files with a byte-order mark are read as UTF-8 or UTF-16 and keep their encoding; the
    // answers are in the ANSI code page. (Characters outside that code page are left out of
    // the answers here: kernel32 gives a look-alike for some of them, the portable
    // functions always "?".)
    add("byte_order_mark_utf8",
        "\xef\xbb\xbf[s]\nk=v\xc3\xa9\n\xc3\xa9=\xe2\x82\xac\n\xc4\x80=\xc4\x81\xe4\xb8\x80\n"
        "astral=\xf0\x9f\x98\x80!\nbad=\xc3\x28|\x80|\xe2\x82|\xed\xa0\x80|\xc0\xaf|"
        "\xf4\x90\x80\x80|"
        "\xf8|\xe0\x9f\xbf|\xf0\x8f\xbf\xbf|\xe2\x82\xac\n\xc2\xa0nbsp\xc2\xa0=\xc2\xa0v\xc2\xa0\n"
        "\xc2\x85nel=1\ncut=\xe2\x82",
        {readText("s", "k", "D"), readText("s", "\xe9", "D"), readText("s", "\xc9", "D"),
         readText("s", "?", "D"), readText("s", "astral", "D"), readText("s", "bad", "D", 200),
         readText("s", "\xa0nbsp\xa0", "D"), readText("s", "nbsp", "D"), readText("s", "nel", "D"),
         readText("s", "\x85nel", "D"), readText("s", "cut", "D"), readText("s", "astral", "D", 9),
         readText(null, null, "D"), readInt("s", "x", 1), write("s", "x", "\xe9\x80\x81"),
         readText("s", "x", "D")});
    add("byte_order_mark_only", "\xef\xbb\xbf", {write("s", "k", "v")});
    add("byte_order_mark_utf16le",
        withZeros("\xff\xfe[\0s\0]\0\r\0\n\0k\0=\0\xe9\0\xac\x20\r\0\n\0"),
        {readText("s", "k", "D"), write("s", "n", "\x80")});
    add("byte_order_mark_utf16be", withZeros("\xfe\xff\0[\0s\0]\0\n\0k\0=\0v\0\n\0o\0d\0d"),
        {readText("s", "k", "D"), readText("s", "odd", "D"), write("s", "k", "w")});

    // --- Writes ------------------------------------------------------------------------
    add("plugin_general_settings", "",
        {write("GENERAL", "menuKey", std::string("10") + menuKeyComment),
         write("GENERAL", "refreshInterval", std::string("12") + refreshComment),
         write("GENERAL", "actSetting", std::string("-5") + actSettingComment),
         readInt("GENERAL", "menuKey", 0), readInt("GENERAL", "actSetting", 0),
         readText("GENERAL", "refreshInterval", "D")});
    add("write_keeps_unknown_lines",
        "; made by hand\r\n[GENERAL]\r\nmenuKey=7\r\nmyOwnKey = mine ; keep\r\nstray words\r\n"
        "[OTHER]\r\nx=1\r\n",
        {write("GENERAL", "menuKey", "8"), write("GENERAL", "actSetting", "2")});
    // Writing the value a key already has leaves the file untouched, layout and all.
    add("write_unchanged", "[s]  \n  a = 1 \n\n",
        {write("s", "a", "1"), write("s", "a", "  1"), write("S", "A", "\t1")});
    // A new section or key keeps its name less its leading blanks, and a value loses its
    // leading blanks only; a second write reads them back trimmed.
    add("write_blanks_in_names", "[s]\na=1\n",
        {write(" s ", " a  ", "  v  "), write("s ", " b\t", " w "), write(" t  ", " c ", " x ")});
    // Line breaks in a value are written as they are and make lines of their own.
    add("write_line_breaks_in_value", "[s]\na=1\n",
        {write("s", "a", "v\r\nx=5"), readText("s", "x", "D"), write("s", "b", "1\n[t]\ny=2")});
    add("write_sequence", null,
        {write("one", "a", "1"), write("two", "b", "2"), write("one", "c", "3"),
         write("ONE", "A", "4"), write("two", null, null), write("three", "d", "5"),
         write("one", "c", null)});
    return cases;
}

}  // namespace ini_conformance
