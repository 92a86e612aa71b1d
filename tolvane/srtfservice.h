// CSRTFService: the documents of the Java side and the state of its walks,
// reached through integer handles.
//
// Handles are issued 1, 2, 3, ... and never issued twice. A handle is live
// while the service holds its document. Per handle the service keeps the
// record made by the last AddObject, one record walk (the list it walks and
// the position in it), the property walk (PropertyCursor, with the current
// value as the service's own copy) and the error walk (ErrorList).
//
// The operations named after the native methods check the handle first: for
// a dead handle they do nothing, create nothing and give their empty answer.
// The property getters are the exception: they answer from the property
// walk, which is kept apart from the document and outlives it.
//
// Operations may throw (allocation failure, CSrtfException, FileError). The
// native methods stop every failure at their boundary (boundary.h); a failed
// Read or Save releases the handle there.
//
// Releasing a document drops every pointer into it (added record, record walk,
// error list); only the property walk's current value stays.
#ifndef TOLVANE_SRTFSERVICE_H
#define TOLVANE_SRTFSERVICE_H

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "headersection.h"
#include "sectionbase.h"
#include "srtfcontainer.h"

// The three groups of a record's columns that the Java side walks and fills.
enum class PropertyGroup { TechKey, Data, Base };

// The text and GUID members of the header that the Java side reaches.
enum class HeaderText { FileName, UserName, Operation, Comment, Machine, Password };
enum class HeaderGuid { Object, Transaction, Signature };

// The property walk of one handle. Each index is -1 until its group is
// started, then the number of steps taken (walked or added) in that group.
// A step is taken into `next`, which becomes `current` when the step
// succeeds; the two values keep their storage from step to step.
struct PropertyCursor {
    int techKeyIndex = -1;
    int dataIndex = -1;
    int baseIndex = -1;
    bool hasCurrent = false;  // whether a walk step has succeeded yet
    PropertyValue current;    // the value of the last successful walk step
    PropertyValue next;

    int& IndexOf(PropertyGroup group);
    // A fresh walk: every index -1, no current value.
    void Restart();
};

// The record walk of one handle: the list it walks and the record it stands on.
struct ObjectCursor {
    RecordList* list = nullptr;
    std::size_t index = 0;
};

// The error walk of one handle: the gathered error sections (owned by the
// document) and the current one; position == sections.size() is the end.
struct ErrorList {
    std::vector<CSectionBase*> sections;
    std::size_t position = 0;
};

class CSRTFService {
public:
    CSRTFService() = default;
    virtual ~CSRTFService();
    CSRTFService(const CSRTFService&) = delete;
    CSRTFService& operator=(const CSRTFService&) = delete;

    // ---- handles and documents ----
    int CreateContainer();
    // Destroys the handle's document and every pointer into it; a handle that
    // is not live is left alone.
    void ReleaseContainer(int handle) noexcept;
    CSRTFContainer* FindContainer(int handle) const;
    // The first header section of a live handle's document, created when the
    // document has none.
    CHeaderSection* GetHeader(int handle);
    // The first section of the id in a live handle's document, created when
    // the document has none (the factory refuses ids it cannot make).
    CSectionBase* GetOrCreateSection(int handle, int sectionId);
    int LastHandle() const { return lastHandle; }

    // ---- documents and header fields ----
    int Init();
    int InitFromFile(const std::string& path);
    void Read(int handle);  // throws on failure: the caller releases the handle
    void Save(int handle);  // likewise
    void ReleaseResources(int handle) noexcept { ReleaseContainer(handle); }
    bool IsSRTFResourceValid(int handle) const { return FindContainer(handle) != nullptr; }

    std::string GetHeaderText(int handle, HeaderText field);
    // FileName also becomes the path that Save writes to.
    void SetHeaderText(int handle, HeaderText field, const std::string& value);
    int GetMiscStatus(int handle);
    void SetMiscStatus(int handle, int value);
    std::string GetHeaderGuid(int handle, HeaderGuid field);
    void SetHeaderGuid(int handle, HeaderGuid field, const std::string& text);

    // ---- records and properties ----
    void AddObject(int handle, int sectionId);
    bool IterateObject(int handle, int sectionId);
    // Stores value at position of the group on the added record; skipped
    // positions get the integer 0; a position already passed is ignored;
    // fillers stop at the group's last position.
    void AddProperty(int handle, PropertyGroup group, int position, const PropertyValue& value);
    // The 0-based step now current, or -1 when the group has ended.
    int IterateProperty(int handle, PropertyGroup group);
    int GetIntProperty(int handle) const;
    // False when there is no current value (the Java side then gets null).
    bool GetStrProperty(int handle, std::string& out) const;
    // The same without a copy: the current value's text, or a non-zero GUID
    // as its 32 digits written into guidText; null when there is no current
    // value. The text stays valid until the handle's next walk step.
    const char* CurrentPropertyText(int handle, char (&guidText)[33]) const;
    bool IsCurrentPropertyString(int handle) const;

    // ---- server errors ----
    bool HasErrors(int handle);
    bool IterateErrors(int handle);
    int GetErrorCode(int handle) const;
    std::string GetErrorDescription(int handle) const;

    // ---- the parts the operations above are made of ----
    // A new empty record appended to the list the Java side walks in the
    // section, or null for a section that takes no records from it.
    static CObjectBase* AddObject(CSectionBase* section);
    // The list the Java side walks in the section, or null.
    static RecordList* ObjectListOf(CSectionBase* section);

    CObjectBase* GetAddedObject(int handle) const;
    bool HasObjectCursor(int handle) const;
    // The record the handle's walk stands on, or null.
    CObjectBase* GetObjectCursor(int handle) const;
    void EraseObjectCursor(int handle);
    const PropertyCursor* FindPropertyCursor(int handle) const;
    PropertyCursor& GetPropertyCursor(int handle);  // created {-1, -1, -1, none}
    // Starts the handle's property walk afresh (as if just created).
    void RestartPropertyCursor(int handle);
    const ErrorList* GetErrorList(int handle) const;
    ErrorList& BuildErrorList(int handle);

private:
    // Issues the next handle for a document made ready beforehand.
    int AdoptContainer(std::unique_ptr<CSRTFContainer> container);

    std::map<int, std::unique_ptr<CSRTFContainer>> containers;
    std::map<int, CObjectBase*> addedObjects;      // not owned
    std::map<int, PropertyCursor> propertyCursors;
    std::map<int, ObjectCursor> objectCursors;     // points into the document
    std::map<int, std::unique_ptr<ErrorList>> errorLists;
    int lastHandle = 0;
};

#endif
