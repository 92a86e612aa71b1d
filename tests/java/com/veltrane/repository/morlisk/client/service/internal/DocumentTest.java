package com.veltrane.repository.morlisk.client.service.internal;

import static com.veltrane.repository.morlisk.client.service.internal.Check.eq;
import static com.veltrane.repository.morlisk.client.service.internal.Check.fixture;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isFalse;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isTrue;
import static com.veltrane.repository.morlisk.client.service.internal.Check.readText;
import static com.veltrane.repository.morlisk.client.service.internal.Check.test;
import static com.veltrane.repository.morlisk.client.service.internal.Check.workPath;

import java.io.File;

/** Handles, the life of a document, reading and saving, and the header fields. */
public final class DocumentTest {
    private static final SRTFNativeInterface srtf = new SRTFNativeInterface();

    public static void main(String[] args) {
        // First, while this JVM has issued no handle yet.
        test("handles are issued 1, 2, 3, ... and never issued again", () -> {
            eq(1, srtf.init(), "first handle");
            eq(2, srtf.initFromFile("x.srtf"), "second handle");
            eq(3, srtf.init(), "third handle");
            srtf.releaseResources(2);
            eq(4, srtf.init(), "handle after releasing 2");
            isFalse(srtf.isSRTFResourceValid(2), "released handle");
            isTrue(srtf.isSRTFResourceValid(1) && srtf.isSRTFResourceValid(3) && srtf.isSRTFResourceValid(4),
                    "the other handles stay live");
            isFalse(srtf.isSRTFResourceValid(0), "0 is never a handle");
            srtf.releaseResources(2);  // a second release does nothing
            isTrue(srtf.isSRTFResourceValid(3), "handle 3 after releasing 2 twice");
        });

        test("a new document is empty; a header getter adds an empty header section that save writes", () -> {
            String empty = workPath("empty.srtf");
            int e = srtf.initFromFile(empty);
            srtf.save(e);
            isTrue(srtf.isSRTFResourceValid(e), "save of an empty document");
            eq("", readText(empty), "save adds no header section");
            eq("", srtf.getUserName(e), "user name of an empty document");
            srtf.save(e);
            String written = readText(empty);
            isTrue(written.contains("[HeaderSection]\r\nUserName = \"\";\r\n"), "empty header section written: " + written);
            isTrue(written.contains("SRTFVersionNumber = 45;"), "version stamped");
            isTrue(written.contains("SRTFFileSpec = \"" + empty + "\";"), "path stamped");
        });

        test("a dead handle gives the empty answers and creates nothing", () -> {
            String path = workPath("dead.srtf");
            int released = srtf.init();
            srtf.setFileName(released, path);
            srtf.releaseResources(released);
            for (int h : new int[] {released, 999, -5}) {
                String at = "handle " + h + ": ";
                isFalse(srtf.isSRTFResourceValid(h), at + "valid");
                srtf.setUserName(h, "x");
                srtf.setMiscStatus(h, 5);
                srtf.setObjectGUID(h, "0123456789abcdef0123456789abcdef");
                srtf.addObject(h, 31);
                srtf.addDataProperty(h, 0, "x");
                srtf.addTechKeyProperty(h, 0, 1);
                srtf.read(h);
                srtf.save(h);
                eq("", srtf.getUserName(h), at + "user name");
                eq("", srtf.getFileName(h), at + "file name");
                eq(0, srtf.getMiscStatus(h), at + "misc status");
                eq("", srtf.getObjectGUID(h), at + "object GUID");
                isFalse(srtf.iterateObject(h, 31), at + "iterateObject");
                eq(-1, srtf.iterateDataProperty(h), at + "iterateDataProperty");
                eq(-1, srtf.iterateTechKeyProperty(h), at + "iterateTechKeyProperty");
                eq(-1, srtf.iterateBaseProperty(h), at + "iterateBaseProperty");
                isFalse(srtf.hasErrors(h), at + "hasErrors");
                isFalse(srtf.iterateErrors(h), at + "iterateErrors");
                eq(0, srtf.getErrorCode(h), at + "error code");
                eq("", srtf.getErrorDescription(h), at + "error description");
                isFalse(srtf.isSRTFResourceValid(h), at + "valid afterwards");
            }
            isFalse(new File(path).exists(), "save of a released handle wrote a file");
        });

        test("text header fields are stored byte for byte", () -> {
            int h = srtf.init();
            String[] values = {"user \"quoted\"", "GET;ALL", "comma, semicolon; quote \"", "host-1", "pa ss"};
            srtf.setUserName(h, values[0]);
            srtf.setOperation(h, values[1]);
            srtf.setComment(h, values[2]);
            srtf.setMachine(h, values[3]);
            srtf.setPassword(h, values[4]);
            eq(values[0], srtf.getUserName(h), "user name");
            eq(values[1], srtf.getOperation(h), "operation");
            eq(values[2], srtf.getComment(h), "comment");
            eq(values[3], srtf.getMachine(h), "machine");
            eq(values[4], srtf.getPassword(h), "password");
            for (int v : new int[] {0, -1, 42, Integer.MIN_VALUE, Integer.MAX_VALUE}) {
                srtf.setMiscStatus(h, v);
                eq(v, srtf.getMiscStatus(h), "misc status");
            }
        });

        test("non-ASCII text passes unchanged to the file and back", () -> {
            String path = workPath("unicode.srtf");
            String name = "Gr\u00fc\u00dfe \u2713 \u65e5\u672c";
            int h = srtf.init();
            srtf.setUserName(h, name);
            srtf.setFileName(h, path);
            srtf.save(h);
            isTrue(readText(path).contains("UserName = \"" + name + "\";"), "UTF-8 bytes in the file");
            int r = srtf.initFromFile(path);
            srtf.read(r);
            eq(name, srtf.getUserName(r), "read back");
        });

        test("a comment with a double quote is written doubled and reads back", () -> {
            String path = workPath("quote.srtf");
            int h = srtf.init();
            srtf.setComment(h, "say \"hi\"");
            srtf.setFileName(h, path);
            srtf.save(h);
            isTrue(readText(path).contains("Comment = \"say \"\"hi\"\"\";"), "quote doubled");
            int r = srtf.initFromFile(path);
            srtf.read(r);
            eq("say \"hi\"", srtf.getComment(r), "comment read back");
        });

        test("GUID header fields take 32 hex digits and give them in lower case", () -> {
            int h = srtf.init();
            srtf.setObjectGUID(h, "0123456789abcdef0123456789ABCDEF");
            eq("0123456789abcdef0123456789abcdef", srtf.getObjectGUID(h), "object GUID");
            srtf.setTransactionGUID(h, "00112233445566778899AABBCCDDEEFF");
            eq("00112233445566778899aabbccddeeff", srtf.getTransactionGUID(h), "transaction GUID");
            srtf.setSignatureGUID(h, "ffeeddccbbaa99887766554433221100");
            eq("ffeeddccbbaa99887766554433221100", srtf.getSignatureGUID(h), "signature GUID");
            srtf.setObjectGUID(h, "0123");
            eq("", srtf.getObjectGUID(h), "four digits give the zero GUID");
            srtf.setTransactionGUID(h, "");
            eq("", srtf.getTransactionGUID(h), "empty text gives the zero GUID");
            eq("ffeeddccbbaa99887766554433221100", srtf.getSignatureGUID(h), "other GUIDs untouched");
        });

        test("read fills the document; getFileName gives the header's path, not the container's", () -> {
            int before = srtf.initFromFile(fixture("java/records.srtf"));
            eq("", srtf.getFileName(before), "file name before read");
            int h = srtf.initFromFile(fixture("java/records.srtf"));
            srtf.read(h);
            isTrue(srtf.isSRTFResourceValid(h), "valid after read");
            eq("records.srtf", srtf.getFileName(h), "file name after read");
            eq("tester", srtf.getUserName(h), "user name");
            eq("GET", srtf.getOperation(h), "operation");
            eq("records for the Java tests", srtf.getComment(h), "comment");
            eq("buildhost", srtf.getMachine(h), "machine");
            eq("secret", srtf.getPassword(h), "password");
            eq(7, srtf.getMiscStatus(h), "misc status");
            eq("00112233445566778899aabbccddeeff", srtf.getObjectGUID(h), "object GUID");
            eq("", srtf.getTransactionGUID(h), "transaction GUID");
        });

        test("a failed read releases the handle and nothing else", () -> {
            String[] bad = {
                workPath("does-not-exist.srtf"),
                fixture("java/version44.srtf"),
                fixture("java/unknown_keyword.srtf"),
                fixture("java/syntax_error.srtf"),
                new File(fixture("java")).getPath(),  // a folder
                "",
            };
            int bystander = srtf.init();
            srtf.setUserName(bystander, "stays");
            for (String path : bad) {
                int h = srtf.initFromFile(path);
                isTrue(srtf.isSRTFResourceValid(h), path + ": valid before read");
                srtf.read(h);
                isFalse(srtf.isSRTFResourceValid(h), path + ": valid after a failed read");
                eq("", srtf.getUserName(h), path + ": user name after the failed read");
                isFalse(srtf.isSRTFResourceValid(h), path + ": the getter created a document");
            }
            eq("stays", srtf.getUserName(bystander), "other documents untouched");
        });

        test("save to a path that cannot be written releases the handle", () -> {
            String[] bad = {
                workPath("no-such-folder") + File.separator + "x.srtf",
                new File(fixture("java")).getPath(),  // a folder
                "",
            };
            for (String path : bad) {
                int h = srtf.init();
                srtf.setUserName(h, "u");
                srtf.setFileName(h, path);
                srtf.save(h);
                isFalse(srtf.isSRTFResourceValid(h), "'" + path + "': valid after a failed save");
            }
            int noPath = srtf.init();
            srtf.setComment(noPath, "never set a path");
            srtf.save(noPath);
            isFalse(srtf.isSRTFResourceValid(noPath), "save without a path");
        });

        test("setFileName sets the path that save writes to; save may run again", () -> {
            String first = workPath("first.srtf");
            String second = workPath("second.srtf");
            int h = srtf.initFromFile(fixture("java/records.srtf"));
            srtf.read(h);
            srtf.setFileName(h, first);
            eq(first, srtf.getFileName(h), "file name");
            srtf.save(h);
            srtf.setFileName(h, second);
            srtf.save(h);
            isTrue(srtf.isSRTFResourceValid(h), "valid after two saves");
            isTrue(readText(first).contains("SRTFFileSpec = \"" + first + "\";"), "first file's path");
            isTrue(readText(second).contains("SRTFFileSpec = \"" + second + "\";"), "second file's path");
            isTrue(readText(second).contains("Entity_Latest = 10,20,30,\"Customer\""), "records written");
        });

        test("a null String argument is taken as the empty string", () -> {
            int h = srtf.init();
            srtf.setUserName(h, "x");
            srtf.setUserName(h, null);
            eq("", srtf.getUserName(h), "user name");
            srtf.setOperation(h, null);
            srtf.setComment(h, null);
            srtf.setMachine(h, null);
            srtf.setPassword(h, null);
            eq("", srtf.getPassword(h), "password");
            srtf.setObjectGUID(h, "0123456789abcdef0123456789abcdef");
            srtf.setObjectGUID(h, null);
            srtf.setTransactionGUID(h, null);
            srtf.setSignatureGUID(h, null);
            eq("", srtf.getObjectGUID(h), "object GUID");
            srtf.setFileName(h, null);
            eq("", srtf.getFileName(h), "file name");
            srtf.save(h);
            isFalse(srtf.isSRTFResourceValid(h), "save to the empty path fails");
            int f = srtf.initFromFile(null);
            isTrue(f > 0 && srtf.isSRTFResourceValid(f), "initFromFile(null) issues a handle");
            srtf.read(f);
            isFalse(srtf.isSRTFResourceValid(f), "read of the empty path fails");
        });

        Check.finish();
    }
}
