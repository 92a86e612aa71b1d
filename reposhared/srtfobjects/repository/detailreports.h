// Detailed reports of the repository server: performance measurements, and
// error and warning details per object. One-list sections read and written
// back only; the Java side does not reach their records.
#ifndef SRTF_REPOSITORY_DETAILREPORTS_H
#define SRTF_REPOSITORY_DETAILREPORTS_H

#include "sectionbase.h"

// Value is text: a measured number is kept as written.
class CMeasurement : public CPlainRecord {
    SRTF_RECORD_KIND(CMeasurement)
    std::string MeasurementName;
    std::string Value;
    std::string Units;
    int Level = 0;
    std::string Parent;
    std::string Category;
};

class CPerformanceSection : public COneListSection {
    SRTF_SECTION_KIND(CPerformanceSection)
};

class CErrorDetail : public CPlainRecord {
    SRTF_RECORD_KIND(CErrorDetail)
    std::string Subsystem;
    std::string Obj_Type;
    SrtfGuid Obj_GUID;
    SrtfGuid Ver_GUID;
    std::string Error_Desc;
    int Error_Code = 0;
    int Severity = 0;
};

class CErrorDetailSection : public COneListSection {
    SRTF_SECTION_KIND(CErrorDetailSection)
};

// The same columns as CErrorDetail under its own record type.
class CWarningDetail : public CPlainRecord {
    SRTF_RECORD_KIND(CWarningDetail)
    std::string Subsystem;
    std::string Obj_Type;
    SrtfGuid Obj_GUID;
    SrtfGuid Ver_GUID;
    std::string Error_Desc;
    int Error_Code = 0;
    int Severity = 0;
};

class CWarningDetailSection : public COneListSection {
    SRTF_SECTION_KIND(CWarningDetailSection)
};

#endif
