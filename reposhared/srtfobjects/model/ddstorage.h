// Storage sections: storage parameters of an entity's table and of an index,
// and the named storage objects of a model.
#ifndef SRTF_MODEL_DDSTORAGE_H
#define SRTF_MODEL_DDSTORAGE_H

#include "sectionbase.h"

class CDDTableStorage : public CDDRecord {
    SRTF_RECORD_KIND(CDDTableStorage)
    int TableStorageId = 0;
    int EntityId = 0;
    std::string Location;
    int FillFactorPercent = 0;
    int MaximumRowsPerPage = 0;
    int PercentFree = 0;
    int PercentUsed = 0;
    int MinimumExtents = 0;
    int MaximumExtents = 0;
    int InitialExtentSize = 0;
    int NextExtentSize = 0;
    int ExtentGrowthFactor = 0;
    int MinimumTransactions = 0;
    int MaximumTransactions = 0;
    std::string LockModeSetting;
    int RowCount = 0;
    int DataGrowth = 0;
    std::string GrowthType;
    std::string GrowthPeriod;
    int MaximumSize = 0;
    int GrowthRate = 0;
    std::string RowCountStr;
    std::string MaximumSizeStr;
};

class CDDTableStorageSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDTableStorageSection)
};

// The index's id comes first on the line; the record's own id is column 1.
// Several column names differ from those of table storage (PercentUse,
// MinimumExtent, ...).
class CDDIndexStorage : public CDDRecord {
    SRTF_RECORD_KIND(CDDIndexStorage)
    int IndexId = 0;
    int IndexStorageId = 0;
    std::string Location;
    int FillFactorPercent = 0;
    int MaximumRowsPerPage = 0;
    int PercentFree = 0;
    int PercentUse = 0;
    int MinimumExtent = 0;
    int MaximumExtent = 0;
    int InitialExtentSize = 0;
    int NextExtentSize = 0;
    int ExtentGrowthFactor = 0;
    int MinimumTransaction = 0;
    int MaximumTransaction = 0;
    std::string LockModeSetting;
};

class CDDIndexStorageSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDIndexStorageSection)
};

class CDDStorageObject : public CDDRecord {
    SRTF_RECORD_KIND(CDDStorageObject)
    int StorageObjectId = 0;
    int ModelId = 0;
    std::string Owner;
    std::string Name;
    std::string Description;
    std::string Value;
    int Type = 0;
    int NSTFlag = 0;
    int CompareFlags = 0;
};

class CDDStorageObjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDStorageObjectSection)
};

#endif
