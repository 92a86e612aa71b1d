/**
 * The cost of crossing JNI itself: native methods with the names and
 * signatures of the walk's calls that return recorded values from plain
 * arrays (ints as ints, texts through NewStringUTF), in the order they were
 * recorded. The arguments are ignored.
 */
final class WalkBaseline {
    static {
        System.loadLibrary("srtfwalkbaseline");
    }

    /** Appends recorded answers: the int (and boolean) ones and the text ones. */
    static native void append(int[] ints, int intCount, String[] texts, int textCount);

    /** Starts the answers from the first again. */
    static native void rewind();

    native boolean iterateObject(int handle, int sectionId);

    native int iterateTechKeyProperty(int handle);

    native int iterateDataProperty(int handle);

    native int iterateBaseProperty(int handle);

    native int getIntProperty(int handle);

    native String getStrProperty(int handle);
}
