#!/usr/bin/python3
"""A local SMTP server for the mail tests (aiosmtpd).

Every accepted message N is written to DIR as N.eml (as received), N.json
(envelope and what the standard library's parser reads from it) and N.att
(the attachment's bytes). Prints "READY" when it listens and stops when its
standard input closes, at the latest after 120 seconds.
"""
import argparse
import asyncio
import json
import logging
import warnings
import os
import ssl
import sys
import threading
import time
import email
import email.policy

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

p = argparse.ArgumentParser()
p.add_argument("--dir", required=True)
p.add_argument("--port", type=int, required=True)
p.add_argument("--user")
p.add_argument("--password")
p.add_argument("--tls", choices=["keine", "starttls", "smtps"], default="keine")
p.add_argument("--cert")
p.add_argument("--key")
p.add_argument("--refuse-first", action="store_true", help="answer the first DATA with 451")
p.add_argument("--hold", action="store_true", help="answer DATA only once DIR/release exists")
args = p.parse_args()
# Plain AUTH on loopback is what the tests want; keep their output readable.
warnings.simplefilter("ignore")
logging.getLogger("mail.log").setLevel(logging.CRITICAL)


class Handler:
    def __init__(self):
        self.count = 0
        self.refused = False

    async def handle_DATA(self, server, session, envelope):
        if args.refuse_first and not self.refused:
            self.refused = True
            return "451 4.3.0 Bitte spaeter noch einmal"
        if args.hold:
            for _ in range(600):
                if os.path.exists(os.path.join(args.dir, "release")):
                    break
                await asyncio.sleep(0.05)
        self.count += 1
        base = os.path.join(args.dir, str(self.count))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.content)
        msg = email.message_from_bytes(envelope.content, policy=email.policy.default)
        info = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "subject": str(msg["subject"]),
            "to": str(msg["to"]),
            "from": str(msg["from"]),
            "authenticated": bool(session.authenticated),
            "tls": server.transport.get_extra_info("ssl_object") is not None,
            "text": "",
            "attachments": [],
        }
        for part in msg.walk():
            if part.is_multipart():
                continue
            if part.get_filename():
                info["attachments"].append(part.get_filename())
                with open(base + ".att", "wb") as f:
                    f.write(part.get_payload(decode=True))
            elif part.get_content_type() == "text/plain":
                info["text"] = part.get_content().strip()
        with open(base + ".json", "w") as f:
            json.dump(info, f)
        return "250 OK"


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = (isinstance(auth_data, LoginPassword)
          and auth_data.login == (args.user or "").encode()
          and auth_data.password == (args.password or "").encode())
    return AuthResult(success=ok, handled=False)


context = None
if args.tls != "keine":
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(args.cert, args.key)

kwargs = dict(hostname="127.0.0.1", port=args.port, authenticator=authenticator,
              auth_required=bool(args.user), auth_require_tls=args.tls == "starttls")
if args.tls == "starttls":
    kwargs.update(tls_context=context, require_starttls=True)
elif args.tls == "smtps":
    # aiosmtpd only counts STARTTLS as TLS for AUTH; this connection is TLS from the start.
    kwargs.update(ssl_context=context)

controller = Controller(Handler(), **kwargs)
controller.start()
print("READY", flush=True)

done = threading.Event()
threading.Thread(target=lambda: (sys.stdin.read(), done.set()), daemon=True).start()
done.wait(120)
controller.stop()
