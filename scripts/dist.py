#!/usr/bin/env python3
"""`make dist`: build/dist/quillmar-VERSION-x86_64.zip with quillmar.exe, README.md, LICENSE.txt and
SHA256SUMS, byte for byte the same from the same commit: entries sorted by name, each dated with the
last commit's date, with fixed attributes and compression and no extra fields.

With QUILLMAR_SIGN_PKCS12 naming a PKCS#12 file (its password in the file that
QUILLMAR_SIGN_PASSWORD_FILE names), quillmar.exe is signed with Authenticode, SHA-256, and
time-stamped by the server QUILLMAR_SIGN_TIMESTAMP_URL names when set; its signature alone is
written beside the zip as quillmar.exe.sig, from which a rebuilt exe becomes the signed one."""

import argparse
import hashlib
import os
import re
import subprocess
import sys
import tempfile
import time
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ESCAPES = {"r": "\r", "n": "\n", "t": "\t", '"': '"', "'": "'", "\\": "\\"}
SIGNATURE = "quillmar.exe.sig"


def read(*path):
    with open(os.path.join(ROOT, *path), "rb") as f:
        return f.read()


def agreement():
    """The agreement text that the window shows, taken from its one source, AgreementText.cpp."""
    source = read("resources", "AgreementText.cpp").decode("utf-8")
    start = source.index("kAgreementText[] =")
    text = []
    for m in re.finditer(r'"((?:[^"\\\n]|\\.)*)"|;', source[start:]):
        if m[0] == ";":
            break
        for part in re.split(r"(\\.)", m[1]):
            if part.startswith("\\"):
                if part[1] not in ESCAPES:
                    sys.exit(f"dist: AgreementText.cpp uses the escape {part}, unknown here")
                part = ESCAPES[part[1]]
            text.append(part)
    return "".join(text).encode("utf-8")


def source_date():
    """SOURCE_DATE_EPOCH, else the last commit's date: the one the linker stamps the exe with."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH") or subprocess.run(
        ["git", "log", "-1", "--format=%ct"], cwd=ROOT, capture_output=True, text=True,
        check=True).stdout.strip()
    stamp = time.gmtime(int(epoch))
    return max(stamp[:6], (1980, 1, 1, 0, 0, 0))  # the earliest date a zip can hold


def sign(built, result, signature):
    """Signs built into result as the environment says, and writes the signature alone."""
    password = os.environ.get("QUILLMAR_SIGN_PASSWORD_FILE")
    timestamp = os.environ.get("QUILLMAR_SIGN_TIMESTAMP_URL")
    subprocess.run(["osslsigncode", "sign", "-pkcs12", os.environ["QUILLMAR_SIGN_PKCS12"],
                    *(["-readpass", password] if password else []), "-h", "sha256",
                    "-n", "Quillmar", *(["-ts", timestamp] if timestamp else []),
                    "-in", built, "-out", result], stdout=subprocess.DEVNULL, check=True)
    # As PEM, which every version of osslsigncode attaches.
    subprocess.run(["osslsigncode", "extract-signature", "-pem", "-in", result, "-out", signature],
                   stdout=subprocess.DEVNULL, check=True)


def signed(exe, out, attach):
    """The exe signed as the environment says, its signature alone written to out; or given the
    signature in the file attach; or, with neither, the exe as built, and out keeps no signature."""
    signature = os.path.join(out, SIGNATURE)
    if os.path.exists(signature):
        os.remove(signature)
    if not attach and not os.environ.get("QUILLMAR_SIGN_PKCS12"):
        return exe
    with tempfile.TemporaryDirectory() as scratch:
        built, result = (os.path.join(scratch, name) for name in ("built.exe", "signed.exe"))
        with open(built, "wb") as f:
            f.write(exe)
        if attach:  # its own check of the signer's certificate is not this one: the bytes are
            subprocess.run(["osslsigncode", "attach-signature", "-sigin", attach, "-in", built,
                            "-out", result], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        else:
            sign(built, result, signature)
        if not os.path.exists(result):
            sys.exit(f"dist: osslsigncode could not attach the signature in {attach}")
        with open(result, "rb") as f:
            return f.read()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "windows"))
    parser.add_argument("--out", default=os.path.join(ROOT, "build", "dist"))
    parser.add_argument("--attach", help="a signature quillmar.exe.sig to give the exe")
    args = parser.parse_args()
    version = re.search(rb"project\(Quillmar VERSION ([0-9.]+)", read("CMakeLists.txt"))[1]
    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.build, "win32", "quillmar.exe"), "rb") as f:
        files = {"quillmar.exe": signed(f.read(), args.out, args.attach)}
    files["README.md"] = read("README.md")
    # The agreement as a text file of its own, ending its last line like every other.
    files["LICENSE.txt"] = agreement() + b"\r\n"
    files["SHA256SUMS"] = b"".join(
        f"{hashlib.sha256(data).hexdigest()}  {name}\n".encode() for name, data in sorted(files.items()))

    path = os.path.join(args.out, f"quillmar-{version.decode()}-x86_64.zip")
    date = source_date()
    with zipfile.ZipFile(path + ".part", "w") as archive:
        for name in sorted(files):
            entry = zipfile.ZipInfo(name, date)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3
            entry.external_attr = 0o100644 << 16
            archive.writestr(entry, files[name], compresslevel=9)
    os.replace(path + ".part", path)
    with open(path, "rb") as f:
        print(f"{hashlib.sha256(f.read()).hexdigest()}  {os.path.relpath(path, ROOT)}")


if __name__ == "__main__":
    main()
