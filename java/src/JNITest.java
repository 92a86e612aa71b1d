/**
 * The library's diagnostic native method: shows the message
 * "Hello world from MFC!" (on Linux written to standard error) and returns.
 */
public class JNITest {
    static {
        System.loadLibrary("tolvane");
    }

    public native void test123();

    public static void main(String[] args) {
        new JNITest().test123();
    }
}
