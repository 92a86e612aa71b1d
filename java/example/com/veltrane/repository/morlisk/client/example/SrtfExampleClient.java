package com.veltrane.repository.morlisk.client.example;

import com.veltrane.repository.morlisk.client.service.internal.SRTFNativeInterface;

import java.io.File;

/**
 * A small client of the native SRTF library: opens an SRTF file, prints its
 * header fields and every record that the Java side can walk (with its tech
 * keys, data properties and base properties), and saves a copy.
 *
 * <pre>
 * java -Djava.library.path=DIR -cp CLASSES \
 *     com.veltrane.repository.morlisk.client.example.SrtfExampleClient [input [copy]]
 * </pre>
 *
 * Without an input the sample document of the repository is opened
 * (tests/fixtures/sample/sample.srtf below the property srtf.root, or the
 * current folder). Without a copy path the copy goes to the temporary folder.
 */
public final class SrtfExampleClient {
    private static final int SECTION_ID_COUNT = 228;

    private SrtfExampleClient() {
    }

    public static void main(String[] args) {
        String input = args.length > 0 ? args[0] : defaultSample();
        String copy = args.length > 1 ? args[1]
                : new File(System.getProperty("java.io.tmpdir"), new File(input).getName() + ".copy.srtf").getPath();

        SRTFNativeInterface srtf = new SRTFNativeInterface();
        int h = srtf.initFromFile(input);
        srtf.read(h);
        if (!srtf.isSRTFResourceValid(h)) {
            System.err.println("Cannot read " + input + " (missing, unreadable, or not an SRTF file of version 45)");
            System.exit(1);
        }

        System.out.println("File " + input);
        printHeader(srtf, h);
        int records = 0;
        for (int sectionId = 0; sectionId < SECTION_ID_COUNT; sectionId++) {
            int index = 0;
            while (srtf.iterateObject(h, sectionId)) {
                printRecord(srtf, h, sectionId, index++);
            }
            records += index;
        }
        System.out.println(records + " records");

        srtf.setFileName(h, copy);
        srtf.save(h);
        if (!srtf.isSRTFResourceValid(h)) {
            System.err.println("Cannot save a copy to " + copy);
            System.exit(1);
        }
        System.out.println("Saved a copy to " + copy);
        srtf.releaseResources(h);
    }

    private static String defaultSample() {
        String root = System.getProperty("srtf.root", ".");
        return new File(root, "tests/fixtures/sample/sample.srtf").getPath();
    }

    private static void printHeader(SRTFNativeInterface srtf, int h) {
        System.out.println("Header");
        field("FileName", srtf.getFileName(h));
        field("UserName", srtf.getUserName(h));
        field("Operation", srtf.getOperation(h));
        field("Comment", srtf.getComment(h));
        field("Machine", srtf.getMachine(h));
        field("Password", srtf.getPassword(h));
        System.out.println("  MiscStatus = " + srtf.getMiscStatus(h));
        field("ObjectGUID", srtf.getObjectGUID(h));
        field("TransactionGUID", srtf.getTransactionGUID(h));
        field("SignatureGUID", srtf.getSignatureGUID(h));
    }

    private static void field(String name, String value) {
        System.out.println("  " + name + " = \"" + value + "\"");
    }

    private static void printRecord(SRTFNativeInterface srtf, int h, int sectionId, int index) {
        System.out.println("Section " + sectionId + ", record " + index);
        StringBuilder keys = new StringBuilder();
        while (srtf.iterateTechKeyProperty(h) >= 0) {
            keys.append(keys.length() == 0 ? "" : ", ").append(srtf.getIntProperty(h));
        }
        System.out.println("  tech keys: " + keys);
        StringBuilder data = new StringBuilder();
        while (srtf.iterateDataProperty(h) >= 0) {
            data.append(data.length() == 0 ? "" : ", ").append(current(srtf, h));
        }
        System.out.println("  data: " + data);
        StringBuilder base = new StringBuilder();
        while (srtf.iterateBaseProperty(h) >= 0) {
            base.append(base.length() == 0 ? "" : ", ").append(current(srtf, h));
        }
        if (base.length() > 0) {
            System.out.println("  base: " + base);
        }
    }

    // A text or GUID value in quotes, anything else as its number. The Java
    // side cannot tell an empty text from an integer: both show as a number.
    private static String current(SRTFNativeInterface srtf, int h) {
        return srtf.isCurrentPropertyString(h) ? "\"" + srtf.getStrProperty(h) + "\""
                : Integer.toString(srtf.getIntProperty(h));
    }
}
