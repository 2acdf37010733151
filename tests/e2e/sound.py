"""A private PulseAudio server on a socket of its own with only a null sink (no real device, no
other test), a recording of what is played into it, and the analysis that finds its tones.
"""

import array
import itertools
import math
import os
import shutil
import signal

from xsession import check, poll

RATE = 44100
FULL_SCALE = 32767
SINK = "ballflight"


class SoundServer:
    """pulseaudio with one null sink and parec recording its monitor into a file."""

    def __init__(self, session):
        self.session = session
        self.folder = os.path.join(session.work, "pulse")
        os.mkdir(self.folder, 0o700)
        self.socket = os.path.join(self.folder, "socket")
        self.address = "unix:" + self.socket
        self.env = dict(os.environ, HOME=self.folder, XDG_RUNTIME_DIR=self.folder,
                        XDG_CONFIG_HOME=self.folder, PULSE_RUNTIME_PATH=self.folder,
                        PULSE_STATE_PATH=self.folder)
        # Without X and a session bus pulseaudio only notes that it cannot reach them.
        for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER"):
            self.env.pop(name, None)
        self.starts = 0
        self._start()

    def _start(self):
        """The server and a new recording, on the same socket as before."""
        session, self.starts = self.session, self.starts + 1
        log = f"pulseaudio-{self.starts}.log"
        self.recording = os.path.join(self.folder, f"monitor-{self.starts}.raw")
        self.server = server = session.spawn(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disable-shm=yes", "--realtime=no", "--high-priority=no", "--log-target=stderr",
             "-L", f"module-null-sink sink_name={SINK} rate={RATE} channels=1",
             "-L", f"module-native-protocol-unix socket={self.socket} auth-anonymous=1"],
            log, env=self.env)

        def ready():
            check(server.poll() is None, "pulseaudio ended: " + session.log(log))
            return "Server Name" in session.run(["pactl", "--server", self.address, "info"],
                                                check=False)

        poll("the PulseAudio server to answer", ready, timeout=30, interval=0.2)
        # Small fragments, so that the file holds all that was played when parec is stopped.
        self.recorder = session.spawn(
            ["parec", "--server", self.address, "--device", SINK + ".monitor", "--raw",
             "--format=s16le", "--channels=1", f"--rate={RATE}", "--latency-msec=20",
             self.recording], f"parec-{self.starts}.log", env=self.env)
        poll("the recording to begin",
             lambda: os.path.exists(self.recording) and os.path.getsize(self.recording) > 0, 20)

    def pause(self, paused=True):
        """SIGSTOP: the server keeps its socket and answers nothing; or SIGCONT."""
        self.server.send_signal(signal.SIGSTOP if paused else signal.SIGCONT)

    def restart(self):
        """Ends the server (and its recording) and starts a new one at the same address."""
        self.pause(False)
        for proc in (self.recorder, self.server):
            proc.terminate()
            proc.wait(timeout=10)
        self._start()

    def samples(self):
        """The samples recorded so far; the recording goes on."""
        with open(self.recording, "rb") as f:
            data = f.read()
        return array.array("h", data[: len(data) // 2 * 2]).tolist()

    def stop_recording(self):
        """Ends the recording and returns its samples."""
        if self.recorder.poll() is None:
            self.recorder.terminate()
            self.recorder.wait(timeout=10)
        return self.samples()

    def keep(self, folder):
        """Keeps the recording after a failure (raw: aplay -f S16_LE -r 44100 monitor.raw)."""
        self.stop_recording()
        shutil.copy(self.recording, folder)


# --- analysis ----------------------------------------------------------------------------------

WINDOW = RATE // 200  # 5 ms
LOUD = 0.05 * FULL_SCALE  # a window this loud (RMS) belongs to a tone
QUIET = 0.005 * FULL_SCALE  # no sample outside the tones may be louder


class Burst:
    """One stretch of tone: where it starts and ends (in samples) and its pitch."""

    def __init__(self, samples, start, end):
        self.start, self.end = start, end
        self.ms = (end - start) * 1000 / RATE
        # The pitch from the periods between the first and last upward zero crossings (placed
        # between their samples), 10 ms from either end, past the fades.
        edge = RATE // 100
        ups = [i - samples[i] / (samples[i] - samples[i - 1])
               for i in range(start + edge, end - edge) if samples[i - 1] < 0 <= samples[i]]
        self.hz = (len(ups) - 1) * RATE / (ups[-1] - ups[0]) if len(ups) > 2 else 0.0

    def __repr__(self):
        return f"{self.ms:.0f} ms at {self.start * 1000 / RATE:.0f} ms, {self.hz:.1f} Hz"


def find_bursts(samples):
    """The tones: runs of 5 ms windows of RMS above LOUD, each from its first to its last sample
    above QUIET (its 2 ms fades may lie in the windows on either side)."""
    loud = [math.sqrt(sum(s * s for s in samples[w : w + WINDOW]) / WINDOW) > LOUD
            for w in range(0, len(samples) - WINDOW + 1, WINDOW)]
    bursts, w = [], 0
    for is_loud, run in itertools.groupby(loud):
        n = len(list(run))
        if is_loud:
            lo, hi = max(0, (w - 1) * WINDOW), min(len(samples), (w + n + 1) * WINDOW)
            heard = [i for i in range(lo, hi) if abs(samples[i]) > QUIET]
            bursts.append(Burst(samples, heard[0], heard[-1] + 1))
        w += n
    return bursts


def check_tones(samples, lengths_ms, hz=880.0, hz_tolerance=5.0, ms_tolerance=30.0):
    """Fails unless the recording holds exactly these tones, in this order, each of its length
    and pitch, with silence between them and nothing clipped."""
    bursts = find_bursts(samples)
    summary = f"tones found: {bursts or 'none'}"
    check(len(bursts) == len(lengths_ms) and all(
        abs(burst.ms - want) <= ms_tolerance and abs(burst.hz - hz) <= hz_tolerance
        for burst, want in zip(bursts, lengths_ms)),
        f"expected tones of {lengths_ms} ms at {hz:.0f} Hz; {summary}")
    clipped = sum(1 for s in samples if s >= FULL_SCALE or s <= -FULL_SCALE)
    check(not clipped, f"{clipped} samples at full scale (clipped); {summary}")
    edges = [0] + [e for b in bursts for e in (b.start, b.end)] + [len(samples)]
    for a, b in zip(edges[0::2], edges[1::2]):
        peak = max((abs(s) for s in samples[a:b]), default=0)
        check(peak <= QUIET, f"sound outside the tones (peak {peak} between "
              f"{a * 1000 // RATE} and {b * 1000 // RATE} ms); {summary}")
    return bursts
