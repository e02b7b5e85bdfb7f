-- wrk: every request is the form post given in the environment (BODY, to
-- PATH) with the game's access marker.
wrk.method = "POST"
wrk.path = os.getenv("POST_PATH")
wrk.body = os.getenv("POST_BODY")
wrk.headers["User-Agent"] = "KubLanternOwl"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
