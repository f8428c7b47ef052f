#pragma once
// The one way the program writes XML: a small element writer over libxml2's xmlTextWriter, which
// escapes markup characters and writes UTF-8. The document is built in memory, or written as it
// goes into the temporary file of the one atomic write (see xml_file.h), so a half-built document
// never replaces a file and a large one is never held whole.
//
//   XmlWriter w;                                        // <?xml version="1.0" encoding="UTF-8"?>
//   w.begin("ObrazacJOPPD", {{"verzijaSheme", "1.1"}, {"xmlns", ns}});
//   w.leaf("Naslov", "Izvješće ...", {{"dc", "http://purl.org/dc/elements/1.1/title"}});
//   w.end();
//   std::optional<std::string> text = w.finish();       // nullopt: see w.problem()
//
// Values are UTF-8 text; a value that is not (or holds a control character XML cannot carry)
// makes the document fail with a problem naming the element, rather than come out malformed.

#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

typedef struct _xmlBuffer xmlBuffer;
typedef struct _xmlTextWriter xmlTextWriter;

namespace pramo {

struct XmlAttribute {
    std::string_view name;
    std::string_view value;
};

class XmlWriter {
public:
    XmlWriter();  // starts the document: version "1.0", encoding "UTF-8", children indented
    // The same written into `file` as it goes (the caller closes the file); finish() then gives
    // an empty text, and a failed write is a problem like any other (writeFailed() says so).
    explicit XmlWriter(std::FILE* file);
    ~XmlWriter();
    XmlWriter(const XmlWriter&) = delete;
    XmlWriter& operator=(const XmlWriter&) = delete;

    // Begins an element that will have children; it is the current element until end().
    void begin(std::string_view name, std::initializer_list<XmlAttribute> attributes = {});
    // A child element of the current one holding only text.
    void leaf(std::string_view name, std::string_view text, std::initializer_list<XmlAttribute> attributes = {});
    // Ends the current element; its parent becomes current.
    void end();

    // Closes every open element and the document. The whole document, or nullopt when any step
    // failed (then problem() says which).
    std::optional<std::string> finish();
    bool failed() const { return !problem_.empty(); }
    // The failure was the file refusing a write, not a value or the memory.
    bool writeFailed() const { return writeFailed_; }
    const std::string& problem() const { return problem_; }

private:
    void open();
    void start(std::string_view name, std::initializer_list<XmlAttribute> attributes);
    bool acceptable(std::string_view element, std::string_view value);
    void check(int result, std::string_view element);

    xmlBuffer* buffer_ = nullptr;
    xmlTextWriter* writer_ = nullptr;
    std::FILE* file_ = nullptr;
    std::string problem_;
    bool writeFailed_ = false;
};

}  // namespace pramo
