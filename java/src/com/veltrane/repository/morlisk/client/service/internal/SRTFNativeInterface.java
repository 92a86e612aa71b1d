package com.veltrane.repository.morlisk.client.service.internal;

/**
 * Native reading, building and writing of SRTF documents.
 *
 * <p>Loading this class loads the native library "tolvane" (libtolvane.so,
 * tolvane.dll) from java.library.path. The library holds the documents; this
 * side holds int handles to them. {@link #init()} and
 * {@link #initFromFile(String)} issue handles 1, 2, 3, ... (never the same
 * one twice); every other method takes one. Given a handle that was never
 * issued or has been released, a method does nothing and gives its empty
 * answer: false, 0, -1 for the iterate-property methods, or an empty string.
 * No method throws: {@link #read(int)} and {@link #save(int)} report a failure
 * by releasing the handle, which {@link #isSRTFResourceValid(int)} then shows.
 * A null String argument is taken as the empty string.
 *
 * <p>The library keeps no lock: make one call at a time, whatever the handles.
 */
public class SRTFNativeInterface {
    static {
        System.loadLibrary("tolvane");
    }

    // ---- documents ----

    /** A new empty document (no section at all); returns its handle. */
    public native int init();

    /** A new empty document that {@link #read(int)} and {@link #save(int)} will use the path of. */
    public native int initFromFile(String path);

    /** Reads the document's file; on any failure the handle is released. */
    public native void read(int handle);

    /** Writes the document to its path; on any failure the handle is released. */
    public native void save(int handle);

    /** Destroys the document; the handle is dead afterwards. */
    public native void releaseResources(int handle);

    /** Whether the handle names a document. */
    public native boolean isSRTFResourceValid(int handle);

    // ---- header fields (of the first header section, created when missing) ----

    public native String getFileName(int handle);
    public native String getUserName(int handle);
    public native String getOperation(int handle);
    public native String getComment(int handle);
    public native String getMachine(int handle);
    public native String getPassword(int handle);

    /** Sets the header's SRTFFileSpec and the path that {@link #save(int)} writes to. */
    public native void setFileName(int handle, String value);
    public native void setUserName(int handle, String value);
    public native void setOperation(int handle, String value);
    public native void setComment(int handle, String value);
    public native void setMachine(int handle, String value);
    public native void setPassword(int handle, String value);

    public native int getMiscStatus(int handle);
    public native void setMiscStatus(int handle, int value);

    /** GUIDs travel as 32 lower-case hexadecimal digits; the zero GUID as "". */
    public native String getObjectGUID(int handle);
    public native String getTransactionGUID(int handle);
    public native String getSignatureGUID(int handle);
    public native void setObjectGUID(int handle, String value);
    public native void setTransactionGUID(int handle, String value);
    public native void setSignatureGUID(int handle, String value);

    // ---- records ----

    /** Appends a new empty record to the first section of the id (created when missing). */
    public native void addObject(int handle, int sectionId);

    /** Moves the handle's record walk to the next record of the section's list. */
    public native boolean iterateObject(int handle, int sectionId);

    // ---- properties of the added record (positions 0-based, ascending) ----

    public native void addBaseProperty(int handle, int position, int value);
    public native void addBaseProperty(int handle, int position, String value);
    public native void addDataProperty(int handle, int position, int value);
    public native void addDataProperty(int handle, int position, String value);
    public native void addTechKeyProperty(int handle, int position, int value);

    // ---- properties of the record the walk stands on ----

    /** The position of the value now current, or -1 at the end of the group. */
    public native int iterateBaseProperty(int handle);
    public native int iterateDataProperty(int handle);
    public native int iterateTechKeyProperty(int handle);

    public native int getIntProperty(int handle);

    /** The current value's GUID text, or its text; null before any value. */
    public native String getStrProperty(int handle);

    public native boolean isCurrentPropertyString(int handle);

    // ---- server errors ----

    /** Whether the header's operation is "REPO SRV ERROR". */
    public native boolean hasErrors(int handle);

    /** Moves the error walk to the next error section; false at the end. */
    public native boolean iterateErrors(int handle);

    public native int getErrorCode(int handle);
    public native String getErrorDescription(int handle);
}
